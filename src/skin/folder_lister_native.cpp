#include "skin/folder_lister_native.h"

#include <filesystem>
#include <system_error>

std::vector<FolderEntry> FilesystemFolderLister::List(const std::string& folder) {
  std::vector<FolderEntry> entries;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    entries.push_back({it->path().filename().string(), it->is_directory(error)});
  return entries;
}
