#include "skin/skin_check_geometry.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "skin/skin_check_support.h"
#include "skin/skin_numbers.h"

namespace {

// The frames of the strip, in order: hover, normal and pressed backgrounds, then the start,
// pause and right button's icons.
constexpr int kStripFrames = 6;

bool Inside(const TBitmap32& face, int left, int top, int width, int height) {
  return left >= 0 && top >= 0 && left + width <= face.width && top + height <= face.height;
}

// The smallest box an estimated text plausibly takes: three quarters of its estimated size
// (the narrowest fonts of Windows set text about a sixth narrower than the average glyph the
// estimate takes), at the label's top and its left edge, or its right edge when it is
// right-aligned. A box that reaches off the face even so is off it in the font named.
bool GenerousBoxInside(const TBitmap32& face, const TLabel& label) {
  const int width = label.width * 3 / 4, height = label.height * 3 / 4;
  const int left = label.alignment == LabelAlignment::Right ? label.left + label.width - width : label.left;
  return Inside(face, left, label.top, width, height);
}

std::string Box(int left, int top, int width, int height) {
  return "(" + std::to_string(left) + ", " + std::to_string(top) + ", " + SizeText(width, height) + ")";
}

std::string Point(FloatPoint p) {
  char text[64];
  std::snprintf(text, sizeof text, "(%g, %g)", p.x, p.y);
  return text;
}

bool Within(FloatPoint p, int width, int height) {
  return p.x >= 0 && p.y >= 0 && p.x <= width && p.y <= height;
}

void CheckBoxes(const std::string& where, XmlDocument& doc, const SkinState& skin,
                const MeasuredFonts& measured, std::vector<SkinProblem>& problems) {
  const TBitmap32& face = skin.surfaces.face;
  const std::string faceSize = SizeText(face.width, face.height);
  for (const auto& [id, label] : LabelsById(skin.labels)) {
    if (!doc.SelectSingleNode(std::string("skin/label[@id=\"") + id + "\"]")) continue;
    if (Inside(face, label->left, label->top, label->width, label->height)) continue;
    const std::string box = where + "label \"" + id + "\" box " +
                            Box(label->left, label->top, label->width, label->height);
    if (BoxEstimated(*label, measured) && GenerousBoxInside(face, *label))
      Note(problems, box + ", its size estimated, may reach outside the " + faceSize + " face");
    else
      Warn(problems, box + " reaches outside the " + faceSize + " face");
  }
  // A button paints its background and icon side by side: strip height plus icon offset.
  const int side = skin.surfaces.buttonStrip.height;
  const std::pair<const char*, const TSknButton*> buttons[] = {{"left", &skin.left},
                                                              {"right", &skin.right}};
  for (const auto& [id, b] : buttons) {
    const int paintedWidth = std::max(b->width, side + b->IconOffset);
    const int paintedHeight = std::max(b->height, side);
    if (!Inside(face, b->left, b->top, paintedWidth, paintedHeight))
      Warn(problems, where + "button \"" + id + "\" painted area " +
                         Box(b->left, b->top, paintedWidth, paintedHeight) +
                         " reaches outside the " + faceSize + " face");
  }
}

void CheckHands(const std::string& where, XmlDocument& doc, const SkinState& skin,
                std::vector<SkinProblem>& problems) {
  const TBitmap32& face = skin.surfaces.face;
  const std::pair<const char*, const TRotLayer*> hands[] = {
      {"hours", &skin.surfaces.hours}, {"minutes", &skin.surfaces.minutes}, {"seconds", &skin.surfaces.seconds}};
  for (const auto& [hand, layer] : hands) {
    const std::string base = std::string("skin/") + hand;
    const TBitmap32& image = layer->bitmap;
    if (!image.Empty() && !Within(layer->bitmapCenter, image.width, image.height))
      Warn(problems, where + base + "/bitmapCenter " + Point(layer->bitmapCenter) + " lies outside the " +
                         SizeText(image.width, image.height) + " hand image " +
                         ValueOf(doc, base + "/filename/text()").value_or("") +
                         ", so the hand swings about a point off itself");
    if (!face.Empty() && !Within(layer->position, face.width, face.height))
      Warn(problems, where + base + "/position " + Point(layer->position) + " lies outside the " +
                         SizeText(face.width, face.height) + " face, so the hand turns about a point off the face");
  }
}

void CheckStrip(const std::string& where, XmlDocument& doc, const TBitmap32& strip,
                std::vector<SkinProblem>& problems) {
  if (strip.Empty()) return;
  const int side = strip.height;
  const int frames = strip.width / side;
  if (frames >= kStripFrames) return;
  Warn(problems, where + "skin/buttons: " + ValueOf(doc, "skin/buttons/text()").value_or("") + " is " +
                     SizeText(strip.width, strip.height) + ", " + std::to_string(frames) + " frames of " +
                     SizeText(side, side) + "; the clock draws " + std::to_string(kStripFrames) +
                     " (hover, normal and pressed backgrounds, then the start, pause and right button's icons), "
                     "so " + (frames + 1 == kStripFrames ? "frame " + std::to_string(frames) + " shows"
                                                         : "frames " + std::to_string(frames) + " to " +
                                                               std::to_string(kStripFrames - 1) + " show") +
                     " nothing (frames count from 0)");
}

// The face image's size is the one the clock shows; a different declared size misleads.
void CheckFaceSize(const std::string& where, XmlDocument& doc, const TBitmap32& face,
                   std::vector<SkinProblem>& problems) {
  if (face.Empty()) return;
  const std::optional<std::string> width = ValueOf(doc, "skin/clockface/@width");
  const std::optional<std::string> height = ValueOf(doc, "skin/clockface/@height");
  const std::optional<int> w = width ? ParseSkinInt(*width) : std::nullopt;
  const std::optional<int> h = height ? ParseSkinInt(*height) : std::nullopt;
  if (!w || !h || (*w == face.width && *h == face.height)) return;
  if (*w > kMaxSkinSide || *h > kMaxSkinSide) return;  // the read reports a size beyond the cap
  Warn(problems, where + "skin/clockface: width and height say " + SizeText(*w, *h) + ", but " +
                     ValueOf(doc, "skin/clockface/text()").value_or("the face image") + " is " +
                     SizeText(face.width, face.height) + "; the clock shows the image's size");
}

}  // namespace

void CheckGeometry(const std::string& where, XmlDocument& doc, const SkinState& skin,
                   const MeasuredFonts& measured, std::vector<SkinProblem>& problems) {
  CheckFaceSize(where, doc, skin.surfaces.face, problems);
  CheckHands(where, doc, skin, problems);
  if (skin.surfaces.face.Empty()) return;
  CheckBoxes(where, doc, skin, measured, problems);
  CheckStrip(where, doc, skin.surfaces.buttonStrip, problems);
}
