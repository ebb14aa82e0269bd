#include "ui/program_folder_win32.h"

#include <vector>

#include "base/wide_text_win32.h"

std::string ProgramPath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::string();
    if (n < path.size()) return Utf8(std::wstring_view(path.data(), n));
    path.resize(path.size() * 2);
  }
}

std::string ProgramFolder() {
  const std::string file = ProgramPath();
  return file.substr(0, file.find_last_of('\\') + 1);
}
