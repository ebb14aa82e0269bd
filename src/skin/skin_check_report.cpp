#include <ostream>

#include "skin/skin_check.h"
#include "skin/skin_check_command.h"

int ReportSkinCheck(std::string folder, char separator, const SkinServices& services,
                    FolderLister& lister, std::ostream& out) {
  if (folder.empty() || (folder.back() != '/' && folder.back() != separator)) folder += separator;
  const std::vector<std::string> problems = CheckSkin(SkinFolder{folder, separator}, services, lister);
  for (const std::string& p : problems) out << p << '\n';
  if (problems.empty()) out << folder << ": no problems\n";
  return problems.empty() ? 0 : 1;
}
