#include "skin/skin_check_fonts.h"

#include <fstream>
#include <iterator>
#include <utility>

#include "skin/common_fonts.h"
#include "skin/font_family_names.h"
#include "skin/skin_fonts.h"

namespace {

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool Carried(const std::vector<std::string>& families, const std::string& face) {
  for (const std::string& family : families)
    if (SameFaceName(family, face)) return true;
  return false;
}

}  // namespace

std::vector<std::string> CheckSkinFonts(const SkinFolder& folder, const FaceLabels& labels,
                                        FolderLister& lister) {
  std::vector<std::string> problems;
  std::vector<std::string> families;
  for (const std::string& file : SkinFontFiles(lister.List(folder.path))) {
    const std::vector<std::string> names = FontFamilyNames(ReadFile(folder.path + file));
    if (names.empty())
      problems.push_back(folder.path + file + ": not a TrueType or OpenType font the clock can use");
    families.insert(families.end(), names.begin(), names.end());
  }

  // One line per font, naming every label that uses it.
  std::vector<std::pair<std::string, std::vector<std::string>>> missing;  // font, its labels
  for (const auto& [id, label] : LabelsById(labels)) {
    const std::string& face = label->font.name;
    if (face.empty() || Carried(families, face) || IsFontOfEveryWindows(face)) continue;
    auto same = missing.begin();
    while (same != missing.end() && !SameFaceName(same->first, face)) ++same;
    if (same == missing.end()) same = missing.insert(missing.end(), {face, {}});
    same->second.push_back(std::string("\"") + id + "\"");
  }
  for (const auto& [face, ids] : missing) {
    std::string named = ids.size() == 1 ? "label " : "labels ";
    for (size_t i = 0; i < ids.size(); ++i) named += (i ? ", " : "") + ids[i];
    problems.push_back(folder.path + "skin.xml: font \"" + face + "\" (" + named +
                       ") is neither in the skin folder nor a font every Windows has, so " +
                       (ids.size() == 1 ? "the label" : "these labels") +
                       " would show in another font");
  }
  return problems;
}
