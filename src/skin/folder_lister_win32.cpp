#include "skin/folder_lister_win32.h"

#include <windows.h>

std::vector<FolderEntry> Win32FolderLister::List(const std::string& folder) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAA fd;
  HANDLE find = FindFirstFileA((folder + "*.*").c_str(), &fd);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    entries.push_back({fd.cFileName, (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileA(find, &fd));
  FindClose(find);
  return entries;
}
