#include "skin/skin_scan.h"

#include "app/ormel_error.h"

const char kDefaultSkin[] = "royale";

std::vector<SkinMenuItem> ScanSkins(FolderLister& lister, const std::string& skinsRoot,
                                    const std::string& currentSkin) {
  std::vector<SkinMenuItem> items;
  for (const FolderEntry& e : lister.List(skinsRoot)) {
    if (!e.isFolder || e.name == "." || e.name == "..") continue;
    items.push_back({e.name, e.name == currentSkin});
  }
  return items;
}

void CheckSkinItem(std::vector<SkinMenuItem>& items, const std::string& name) {
  for (SkinMenuItem& item : items) item.checked = item.name == name;
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
