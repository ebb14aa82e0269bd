#include "skin/skin_check_fonts.h"

#include <functional>
#include <utility>

#include "skin/carried_fonts.h"
#include "skin/common_fonts.h"
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

}  // namespace

void CheckSkinFonts(const SkinFolder& folder, const FaceLabels& labels, FolderLister& lister,
                    const MeasuredFonts& measured, std::vector<SkinProblem>& problems) {
  const std::vector<CarriedFont> carried = ReadCarriedFonts(folder.path, lister);
  for (const CarriedFont& font : carried)
    if (font.families.empty())
      Fail(problems, folder.path + font.file + ": not a TrueType or OpenType font the clock can use");

  const std::string where = folder.path + "skin.xml: font \"";
  for (const auto& [face, ids] : ByFont(labels, [&](const TLabel& l) {
         return !FontNamed(carried, l.font.name) && !IsFontOfEveryWindows(l.font.name);
       }))
    Fail(problems, where + face + "\" (" + Named(ids) + ") is neither in the skin folder nor a font every " +
                       "Windows has, so " + (ids.size() == 1 ? "the label" : "these labels") +
                       " would show in another font");
  for (const auto& [face, ids] : ByFont(labels, [&](const TLabel& l) { return BoxEstimated(l, measured); })) {
    const bool one = ids.size() == 1;
    Note(problems, where + face + "\" (" + Named(ids) + ") is not in the skin folder, so this check only " +
                       "estimates the size of " + (one ? "its text: the box is" : "their text: their boxes are") +
                       " approximate; ormel-skin.exe on Windows measures " + (one ? "it" : "them") +
                       " as the clock draws " + (one ? "it" : "them"));
  }
}
