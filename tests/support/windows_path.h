#pragma once
#include <string>

// A host path as a Windows program under Wine names it: backslashes for slashes.
inline std::string Backslashed(std::string p) {
  for (char& c : p) c = c == '/' ? '\\' : c;
  return p;
}
