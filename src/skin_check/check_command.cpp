#include "skin_check/check_command.h"

#include <cstdarg>
#include <cstdio>
#include <ostream>
#include <utility>

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

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string Format(const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return text;
}

std::string Label(const char* id, const TLabel& l, bool estimated) {
  const uint32_t c = l.font.color;
  return Format("label \"%s\": box (%d, %d, %d x %d)%s for \"%s\" in \"%s\" %d px; colour $%08X: red %u, green %u, "
                "blue %u",
                id, l.left, l.top, l.width, l.height, estimated ? ", its size estimated," : "", l.text.c_str(),
                l.font.name.c_str(), l.font.height,
                static_cast<unsigned>(c), static_cast<unsigned>(c & 0xFF), static_cast<unsigned>((c >> 8) & 0xFF),
                static_cast<unsigned>((c >> 16) & 0xFF));
}

// Hands point at 12 o'clock in their image: the tip lies the pivot's height above it.
std::string Hand(const char* id, const TRotLayer& h) {
  const FloatPoint p = h.bitmapCenter, at = h.position;
  return Format("hand \"%s\": %d x %d image, pivot (%g, %g) on the face at (%g, %g); reaches %g pixels to its tip "
                "and %g behind the pivot",
                id, h.bitmap.width, h.bitmap.height, p.x, p.y, at.x, at.y, p.y, h.bitmap.height - p.y);
}

std::string Button(const char* id, const TSknButton& b, int side, bool right) {
  // The right button draws its background beside its icon; the left one, the icon beside it.
  const int background = right ? b.left + b.IconOffset : b.left;
  const int icon = right ? b.left + 2 : b.left + b.IconOffset;
  return Format("button \"%s\": box (%d, %d, %d x %d); background frames 0 to 2 (hover, normal, pressed) at "
                "(%d, %d), icon %s at (%d, %d), each %d x %d",
                id, b.left, b.top, b.width, b.height, background, b.top,
                right ? "frame 5" : "frames 3 and 4 (start, pause)", icon, b.top, side, side);
}

std::string Font(const CarriedFont& font) {
  if (font.families.empty()) return "font file \"" + font.file + "\": no font the clock can use";
  std::string line = "font file \"" + font.file + "\": family ";
  for (size_t i = 0; i < font.families.size(); ++i) line += (i ? ", \"" : "\"") + font.families[i] + "\"";
  return line;
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

std::vector<std::string> DescribeSkin(const SkinState& skin, const MeasuredFonts& measured,
                                      const std::vector<CarriedFont>& carried) {
  std::vector<std::string> lines;
  for (const auto& [id, label] : LabelsById(skin.labels))
    lines.push_back(Label(id, *label, BoxEstimated(*label, measured)));
  const SkinSurfaces& s = skin.surfaces;
  for (const auto& [id, hand] : {std::pair<const char*, const TRotLayer*>{"hours", &s.hours},
                                 {"minutes", &s.minutes}, {"seconds", &s.seconds}})
    lines.push_back(Hand(id, *hand));
  const int side = s.buttonStrip.height;
  lines.push_back(Button("left", skin.left, side, false));
  lines.push_back(Button("right", skin.right, side, true));
  for (const CarriedFont& font : carried) lines.push_back(Font(font));
  return lines;
}
