#include <ostream>

#include "skin/skin_check.h"
#include "skin/skin_check_details.h"
#include "skin/skin_check_command.h"

namespace {

const char* Marked(SkinProblem::Kind kind) {
  switch (kind) {
    case SkinProblem::Kind::Error: return "error: ";
    case SkinProblem::Kind::Warning: return "warning: ";
    case SkinProblem::Kind::Note: return "note: ";
  }
  return "";
}

std::string Counted(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string SkinCheckFolder(std::string folder, char separator) {
  if (folder.empty() || (folder.back() != '/' && folder.back() != separator)) folder += separator;
  return folder;
}

int ReportSkinCheck(std::string folder, char separator, const SkinServices& services,
                    const MeasuredFonts& measured, FolderLister& lister, std::ostream& out, bool verbose) {
  folder = SkinCheckFolder(folder, separator);
  std::optional<SkinState> read;
  const std::vector<SkinProblem> problems =
      CheckSkin(SkinFolder{folder, separator}, services, lister, measured, &read);
  // A description that cannot be read leaves nothing of the skin to list.
  if (verbose && read) {
    for (const std::string& line : DescribeSkin(*read, measured, ReadCarriedFonts(folder, lister)))
      out << line << '\n';
  }
  int errors = 0, warnings = 0, notes = 0;
  for (const SkinProblem& p : problems) {
    ++(p.kind == SkinProblem::Kind::Error ? errors : p.kind == SkinProblem::Kind::Warning ? warnings : notes);
    out << Marked(p.kind) << p.text << '\n';
  }
  const std::string noted = notes ? ", " + Counted(notes, "note", "notes") : "";
  if (errors + warnings == 0) {
    out << folder << ": no problems" << noted << '\n';
    return kSkinClean;
  }
  out << folder << ": " << Counted(errors, "error", "errors") << ", " << Counted(warnings, "warning", "warnings")
      << noted << '\n';
  return errors > 0 ? kSkinHasErrors : kSkinHasWarnings;
}
