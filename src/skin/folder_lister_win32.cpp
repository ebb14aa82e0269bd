#include "skin/folder_lister_win32.h"

#include "base/wide_text_win32.h"

std::vector<FolderEntry> Win32FolderLister::List(const std::string& folder) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW fd;
  HANDLE find = FindFirstFileW(Wide(folder + "*.*").c_str(), &fd);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    entries.push_back({Utf8(fd.cFileName), (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(find, &fd));
  FindClose(find);
  return entries;
}
