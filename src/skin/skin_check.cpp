#include "skin/skin_check.h"

#include <algorithm>
#include <utility>

namespace {

bool Inside(const TBitmap32& face, int left, int top, int width, int height) {
  return left >= 0 && top >= 0 && left + width <= face.width && top + height <= face.height;
}

std::string Box(int left, int top, int width, int height) {
  return "(" + std::to_string(left) + ", " + std::to_string(top) + ", " + std::to_string(width) +
         " x " + std::to_string(height) + ")";
}

}  // namespace

std::vector<std::string> CheckSkin(const SkinFolder& folder, const SkinServices& services) {
  CollectProblems report;
  SkinState skin;
  ReadSkin(folder, services, report, skin);
  const TBitmap32& face = skin.surfaces.face;
  if (face.Empty()) return report.problems;

  const std::string where = folder.path + "skin.xml: ";
  const std::string faceSize = std::to_string(face.width) + " x " + std::to_string(face.height);
  const FaceLabels& l = skin.labels;
  const std::pair<const char*, const TLabel*> labels[] = {
      {"title", &l.lTitle}, {"weekday", &l.lWeekDay}, {"time", &l.lTime},
      {"timebg", &l.lTimeBg}, {"date", &l.lDate},     {"ampm", &l.lAmPm}};
  for (const auto& [id, label] : labels) {
    if (!Inside(face, label->left, label->top, label->width, label->height))
      report.problems.push_back(where + "label \"" + id + "\" box " +
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
      report.problems.push_back(where + "button \"" + id + "\" painted area " +
                                Box(b->left, b->top, paintedWidth, paintedHeight) +
                                " reaches outside the " + faceSize + " face");
  }
  return report.problems;
}
