#include "skin/skin_scan.h"

#include <algorithm>

#include "skin/skin_loader.h"

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

StartupSkin LoadStartupSkin(const std::string& savedSkin, const std::vector<SkinMenuItem>& installed,
                            const std::function<void(const std::string&)>& loadSkin) {
  std::vector<std::string> order = {savedSkin, kDefaultSkin};
  for (const SkinMenuItem& item : installed) order.push_back(item.name);
  std::vector<std::string> tried;
  std::string problems;
  for (const std::string& name : order) {
    if (std::find(tried.begin(), tried.end(), name) != tried.end()) continue;
    tried.push_back(name);
    try {
      loadSkin(name);
      if (!problems.empty()) problems += "The clock shows the skin \"" + name + "\" instead.";
      return {name, problems};
    } catch (const OrmelError& e) {
      problems += std::string(e.what()) + "\r\n\r\n";
    } catch (...) {
      problems += CannotShowSkin(name, LoadFailureText()) + "\r\n\r\n";
    }
  }
  throw OrmelError(problems + "No installed skin can be shown.");
}
