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

// What the start-up load showed: the skin's name, and the one message for the user about
// the skins that failed before it (empty when the saved skin loaded).
struct StartupSkin {
  std::string name;
  std::string problems;
};

// The start-up load: the saved skin, else "royale", else each other installed skin in
// listing order, until one loads. `loadSkin` throws OrmelError naming the skin and what is
// wrong. When none loads, throws OrmelError with every message, for the caller to show
// before ending.
StartupSkin LoadStartupSkin(const std::string& savedSkin, const std::vector<std::string>& installed,
                            const std::function<void(const std::string&)>& loadSkin);
