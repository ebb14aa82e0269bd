#include <ostream>

#include "skin/skin_check.h"
#include "skin/skin_check_details.h"
#include "skin/skin_check_command.h"

std::string SkinCheckFolder(std::string folder, char separator) {
  if (folder.empty() || (folder.back() != '/' && folder.back() != separator)) folder += separator;
  return folder;
}

int ReportSkinCheck(std::string folder, char separator, const SkinServices& services,
                    FolderLister& lister, std::ostream& out, bool verbose) {
  folder = SkinCheckFolder(folder, separator);
  SkinState read;
  const std::vector<SkinProblem> problems = CheckSkin(SkinFolder{folder, separator}, services, lister, &read);
  if (verbose) {
    for (const std::string& line : DescribeSkin(read)) out << line << '\n';
  }
  int errors = 0;
  for (const SkinProblem& p : problems) {
    const bool error = p.kind == SkinProblem::Kind::Error;
    errors += error ? 1 : 0;
    out << (error ? "error: " : "warning: ") << p.text << '\n';
  }
  if (problems.empty()) {
    out << folder << ": no problems\n";
    return kSkinClean;
  }
  const int warnings = static_cast<int>(problems.size()) - errors;
  out << folder << ": " << errors << (errors == 1 ? " error, " : " errors, ") << warnings
      << (warnings == 1 ? " warning\n" : " warnings\n");
  return errors > 0 ? kSkinHasErrors : kSkinHasWarnings;
}
