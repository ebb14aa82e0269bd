#pragma once
#include "skin/skin_scan.h"

// Lists a folder with FindFirstFile, in the order the file system returns it.
class Win32FolderLister : public FolderLister {
 public:
  std::vector<FolderEntry> List(const std::string& folder) override;
};
