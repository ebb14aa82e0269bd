#include "skin/skin_check_fonts.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "skin/carried_fonts.h"
#include "skin/common_fonts.h"
#include "skin/probably_meant.h"
#include "skin/skin_check_support.h"

namespace {

// Fonts and the ids of their labels (quoted), for labels that `concerned` picks.
using LabelsOfFonts = std::vector<std::pair<std::string, std::vector<std::string>>>;

LabelsOfFonts ByFont(const FaceLabels& labels, const std::function<bool(const TLabel&)>& concerned) {
  LabelsOfFonts fonts;
  for (const auto& [id, label] : LabelsById(labels)) {
    const std::string& face = label->font.name;
    if (face.empty() || !concerned(*label)) continue;
    auto same = fonts.begin();
    while (same != fonts.end() && !SameFaceName(same->first, face)) ++same;
    if (same == fonts.end()) same = fonts.insert(fonts.end(), {face, {}});
    same->second.push_back(std::string("\"") + id + "\"");
  }
  return fonts;
}

// `label "time"`, `labels "time", "timebg"`
std::string Named(const std::vector<std::string>& ids) {
  std::string named = ids.size() == 1 ? "label " : "labels ";
  for (size_t i = 0; i < ids.size(); ++i) named += (i ? ", " : "") + ids[i];
  return named;
}

// The family names of the carried fonts, each once, as Windows shows them, in order.
std::vector<std::string> Families(const std::vector<CarriedFont>& carried) {
  std::vector<std::string> families;
  for (const CarriedFont& font : carried)
    for (const std::string& family : font.families)
      if (std::none_of(families.begin(), families.end(), [&](const std::string& f) { return SameFaceName(f, family); }))
        families.push_back(family);
  std::sort(families.begin(), families.end());
  return families;
}

// An author on Linux cannot see the family name a font file has for Windows.
std::string Carried(const std::vector<std::string>& families) {
  if (families.empty()) return "the skin folder carries no font";
  std::string text = "the skin folder carries ";
  for (size_t i = 0; i < families.size(); ++i) text += (i ? ", \"" : "\"") + families[i] + "\"";
  return text;
}

}  // namespace

void CheckSkinFonts(const SkinFolder& folder, const FaceLabels& labels, FolderLister& lister,
                    const MeasuredFonts& measured, std::vector<SkinProblem>& problems) {
  const std::vector<CarriedFont> carried = ReadCarriedFonts(folder.path, lister);
  for (const CarriedFont& font : carried)
    if (font.families.empty())
      Fail(problems, folder.path + font.file + ": not a TrueType or OpenType font the clock can use");

  const std::string where = folder.path + "skin.xml: font \"";
  const std::vector<std::string> families = Families(carried);
  for (const auto& [face, ids] : ByFont(labels, [&](const TLabel& l) {
         return !FontNamed(carried, l.font.name) && !IsFontOfEveryWindows(l.font.name);
       }))
    Fail(problems, where + face + "\" (" + Named(ids) + ") is neither in the skin folder nor a font every " +
                       "Windows has, so " + (ids.size() == 1 ? "the label" : "these labels") +
                       " would show in another font; " + Carried(families) + Suggestion(face, families));
  for (const auto& [face, ids] : ByFont(labels, [&](const TLabel& l) { return BoxEstimated(l, measured); })) {
    const bool one = ids.size() == 1;
    const std::string instead = measured.MeasuredInstead(face);
    if (!instead.empty()) {
      Note(problems, where + face + "\" (" + Named(ids) + ") is not on this machine, so this check measured " +
                         (one ? "its text" : "their text") + " in \"" + instead + "\" instead: " +
                         (one ? "the box is" : "their boxes are") + " approximate");
      continue;
    }
    Note(problems, where + face + "\" (" + Named(ids) + ") is not in the skin folder, so this check only " +
                       "estimates the size of " + (one ? "its text: the box is" : "their text: their boxes are") +
                       " approximate; ormel-skin.exe on Windows measures " + (one ? "it" : "them") +
                       " as the clock draws " + (one ? "it" : "them"));
  }
}
