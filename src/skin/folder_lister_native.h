#pragma once
#include "skin/skin_scan.h"

// Lists a folder through std::filesystem, in the order the file system returns it.
class FilesystemFolderLister : public FolderLister {
 public:
  std::vector<FolderEntry> List(const std::string& folder) override;
};
