#include "skin/skin_check.h"

#include <algorithm>
#include <utility>

#include "skin/skin_check_fonts.h"

namespace {

bool Inside(const TBitmap32& face, int left, int top, int width, int height) {
  return left >= 0 && top >= 0 && left + width <= face.width && top + height <= face.height;
}

std::string Box(int left, int top, int width, int height) {
  return "(" + std::to_string(left) + ", " + std::to_string(top) + ", " + std::to_string(width) +
         " x " + std::to_string(height) + ")";
}

// Label and button boxes that reach outside the face.
void CheckBoxes(const std::string& folder, const SkinState& skin, std::vector<std::string>& problems) {
  const TBitmap32& face = skin.surfaces.face;
  const std::string where = folder + "skin.xml: ";
  const std::string faceSize = std::to_string(face.width) + " x " + std::to_string(face.height);
  for (const auto& [id, label] : LabelsById(skin.labels)) {
    if (!Inside(face, label->left, label->top, label->width, label->height))
      problems.push_back(where + "label \"" + id + "\" box " +
                         Box(label->left, label->top, label->width, label->height) +
                         " reaches outside the " + faceSize + " face");
  }
  // A button paints its background and icon side by side: strip height plus icon offset.
  const int side = skin.surfaces.buttonStrip.height;
  const std::pair<const char*, const TSknButton*> buttons[] = {{"left", &skin.left},
                                                              {"right", &skin.right}};
  for (const auto& [id, b] : buttons) {
    const int paintedWidth = std::max(b->width, side + b->IconOffset);
    const int paintedHeight = std::max(b->height, side);
    if (!Inside(face, b->left, b->top, paintedWidth, paintedHeight))
      problems.push_back(where + "button \"" + id + "\" painted area " +
                         Box(b->left, b->top, paintedWidth, paintedHeight) +
                         " reaches outside the " + faceSize + " face");
  }
}

}  // namespace

std::vector<std::string> CheckSkin(const SkinFolder& folder, const SkinServices& services,
                                   FolderLister& lister) {
  CollectProblems report;
  SkinState skin;
  // A label whose font name is missing keeps this; the read reports that already.
  for (TLabel* label : {&skin.labels.lTitle, &skin.labels.lWeekDay, &skin.labels.lTime,
                        &skin.labels.lTimeBg, &skin.labels.lDate, &skin.labels.lAmPm})
    label->font.name.clear();
  try {
    ReadSkin(folder, services, report, skin);
  } catch (...) {
    // What the read cannot go on from, such as running out of memory.
    report.problems.push_back(folder.path + ": " + LoadFailureText());
    return report.problems;
  }
  if (!skin.surfaces.face.Empty()) CheckBoxes(folder.path, skin, report.problems);
  for (std::string& p : CheckSkinFonts(folder, skin.labels, lister)) report.problems.push_back(std::move(p));
  return report.problems;
}
