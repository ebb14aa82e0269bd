#include "skin/skin_scan.h"

#include <algorithm>

#include "skin/skin_loader.h"

const char kDefaultSkin[] = "royale";

std::vector<std::string> ScanSkins(FolderLister& lister, const std::string& skinsRoot) {
  std::vector<std::string> names;
  for (const FolderEntry& e : lister.List(skinsRoot)) {
    if (!e.isFolder || e.name == "." || e.name == "..") continue;
    names.push_back(e.name);
  }
  return names;
}

StartupSkin LoadStartupSkin(const std::string& savedSkin, const std::vector<std::string>& installed,
                            const std::function<void(const std::string&)>& loadSkin) {
  std::vector<std::string> order = {savedSkin, kDefaultSkin};
  order.insert(order.end(), installed.begin(), installed.end());
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
