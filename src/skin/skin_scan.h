#pragma once
#include <functional>
#include <string>
#include <vector>

// One entry of a folder listing, in the order the file system returns them.
struct FolderEntry {
  std::string name;
  bool isFolder = false;
};

// Lists a folder; the platform layer implements it.
class FolderLister {
 public:
  virtual ~FolderLister() = default;
  virtual std::vector<FolderEntry> List(const std::string& folder) = 0;
};

// The names of the skin folders under the skins root, in listing order, skipping files,
// "." and "..": the items of the Skins submenu.
std::vector<std::string> ScanSkins(FolderLister& lister, const std::string& skinsRoot);

extern const char kDefaultSkin[];  // "royale"

// The start-up load: the saved skin, or "royale" when that fails. Returns the name that
// loaded; when both fail, throws OrmelError with both messages for the caller to show
// before ending.
std::string LoadStartupSkin(const std::string& savedSkin,
                            const std::function<void(const std::string&)>& loadSkin);
