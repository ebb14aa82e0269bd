#include "skin/skin_scan.h"

#include "app/ormel_error.h"

const char kDefaultSkin[] = "royale";

std::vector<std::string> ScanSkins(FolderLister& lister, const std::string& skinsRoot) {
  std::vector<std::string> names;
  for (const FolderEntry& e : lister.List(skinsRoot)) {
    if (!e.isFolder || e.name == "." || e.name == "..") continue;
    names.push_back(e.name);
  }
  return names;
}

std::string LoadStartupSkin(const std::string& savedSkin,
                            const std::function<void(const std::string&)>& loadSkin) {
  try {
    loadSkin(savedSkin);
    return savedSkin;
  } catch (const OrmelError& saved) {
    if (savedSkin == kDefaultSkin) throw;
    try {
      loadSkin(kDefaultSkin);
      return kDefaultSkin;
    } catch (const OrmelError& fallback) {
      throw OrmelError(std::string(saved.what()) + "\r\n" + fallback.what());
    }
  }
}
