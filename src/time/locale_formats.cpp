#include "time/locale_formats.h"

std::string TranslateLocaleTimeFormat(const std::string& f) {
  std::string out;
  for (size_t i = 0; i < f.size();) {
    const char c = f[i];
    if (c == '\'') {  // quoted literal: copied as is
      const size_t end = f.find('\'', i + 1);
      const size_t stop = end == std::string::npos ? f.size() : end + 1;
      out.append(f, i, stop - i);
      i = stop;
    } else if (c == 't') {
      while (i < f.size() && f[i] == 't') ++i;
      out += "ampm";
    } else if (c == 'H') {
      out += 'h';
      ++i;
    } else if (c == 'm') {
      out += 'n';
      ++i;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}
