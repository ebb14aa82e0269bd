#include "app/run_key_win32.h"

#include <windows.h>

std::string ProgramPath() {
  char path[MAX_PATH * 2];
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, n < sizeof path ? n : 0);
}
