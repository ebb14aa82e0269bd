#pragma once
#include <windows.h>

// An entry point of a library loaded at run time, as the function type it has; nullptr when
// the library lacks it.
template <class F>
F LibraryEntry(HMODULE library, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}
