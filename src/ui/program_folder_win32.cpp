#include "ui/program_folder_win32.h"

#include <windows.h>

#include <vector>

std::string ProgramFolder() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      std::string file(path.data(), n);
      return file.substr(0, file.find_last_of('\\') + 1);
    }
    path.resize(path.size() * 2);
  }
}
