// The checks of what skin.xml says: the names it uses, the label values it gives, and where
// the loaded skin draws what it describes.
#include "skin_check/checks.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <utility>

#include "skin/colour_text.h"
#include "skin/skin_numbers.h"

namespace {

size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      const bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                        std::tolower(static_cast<unsigned char>(b[j - 1]));
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::string ProbablyMeant(const std::string& found, const std::vector<std::string>& known) {
  // Near enough: a slip of one letter in a short name, of two in a longer one, and of one
  // letter in four in a long one (a font's family name without its last word).
  const size_t nearEnough = found.size() <= 4 ? 1 : std::max<size_t>(2, found.size() / 4);
  std::string best;
  size_t bestDistance = nearEnough + 1;
  for (const std::string& name : known) {
    const size_t d = EditDistance(found, name);
    if (d < bestDistance) {
      best = name;
      bestDistance = d;
    }
  }
  return best;
}

// The description as the loader reads it: each element with its attributes and children.
struct KnownElement {
  std::string name;
  std::vector<std::string> attributes;
  std::vector<KnownElement> children;
  std::vector<std::string> ids;  // the values its "id" may take
};

KnownElement Hand(const std::string& name) {
  return {name, {}, {{"filename", {}, {}, {}}, {"bitmapCenter", {"x", "y"}, {}, {}}, {"position", {"x", "y"}, {}, {}}}, {}};
}

const std::vector<std::string> kLabelIds = {"title", "weekday", "time", "timebg", "date", "ampm"};

const KnownElement& Skin() {
  static const KnownElement skin{
      "skin",
      {},
      {{"clockface", {"width", "height"}, {}, {}},
       {"buttons", {}, {}, {}},
       {"glass", {}, {}, {}},
       {"pmam", {}, {}, {}},
       Hand("hours"),
       Hand("minutes"),
       Hand("seconds"),
       {"sounds", {}, {{"chime", {}, {}, {}}}, {}},
       {"label",
        {"id", "text", "x", "y", "width", "height", "align"},
        {{"font", {"name", "size", "color"}, {}, {}}},
        kLabelIds},
       {"button", {"id", "x", "y", "width", "height"}, {}, {"left", "right"}}},
      {}};
  return skin;
}

const char* const kAlignments[] = {"center", "left", "right"};

std::vector<std::string> ChildNames(const KnownElement& element) {
  std::vector<std::string> names;
  for (const KnownElement& child : element.children) names.push_back(child.name);
  return names;
}

// `shown` names the element for the author.
void CheckElement(const std::string& where, const XmlNode& element, const KnownElement& known,
                  const std::string& shown, std::vector<SkinProblem>& problems) {
  for (const std::unique_ptr<XmlNode>& attribute : element.SelectNodes("@*")) {
    const std::string name = attribute->Name();
    if (std::find(known.attributes.begin(), known.attributes.end(), name) == known.attributes.end())
      Warn(problems, where + shown + ": the clock reads no attribute \"" + name + "\"" +
                         Suggestion(name, known.attributes));
  }
  for (const std::unique_ptr<XmlNode>& child : element.SelectNodes("*")) {
    const std::string name = child->Name();
    const auto rule = std::find_if(known.children.begin(), known.children.end(),
                                   [&](const KnownElement& e) { return e.name == name; });
    if (rule == known.children.end()) {
      Warn(problems, where + shown + ": the clock reads no element <" + name + ">" +
                         Suggestion(name, ChildNames(known)));
      continue;
    }
    std::string childShown = shown + "/" + name;
    if (!rule->ids.empty()) {
      const std::optional<std::string> id = child->Attribute("id");
      if (id) childShown += "[@id=\"" + *id + "\"]";
      if (id && std::find(rule->ids.begin(), rule->ids.end(), *id) == rule->ids.end()) {
        Warn(problems, where + childShown + ": the clock reads no " + name + " with this id" +
                           Suggestion(*id, rule->ids));
        continue;
      }
    }
    CheckElement(where, *child, *rule, childShown, problems);
  }
}

void CheckAlignments(const std::string& where, XmlDocument& doc, std::vector<SkinProblem>& problems) {
  const std::vector<std::string> alignments(std::begin(kAlignments), std::end(kAlignments));
  for (const std::string& id : kLabelIds) {
    const std::string query = "skin/label[@id=\"" + id + "\"]/@align";
    const std::optional<std::string> align = ValueOf(doc, query);
    if (!align || std::find(alignments.begin(), alignments.end(), *align) != alignments.end()) continue;
    Warn(problems, where + query + ": '" + *align +
                       "' is not read, so the label keeps the alignment it had; the clock reads "
                       "\"center\", \"left\" or \"right\", in lower case" + Suggestion(*align, alignments));
  }
}

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

std::string Suggestion(const std::string& found, const std::vector<std::string>& known) {
  const std::string meant = ProbablyMeant(found, known);
  return meant.empty() ? "" : "; did you mean \"" + meant + "\"?";
}

void CheckNames(const std::string& where, XmlDocument& doc, std::vector<SkinProblem>& problems) {
  const std::unique_ptr<XmlNode> skin = doc.SelectSingleNode("skin");
  if (!skin) return;  // the read reports a description without it
  CheckElement(where, *skin, Skin(), "skin", problems);
  CheckAlignments(where, doc, problems);
}

void CheckLabelValues(const std::string& where, XmlDocument& doc, const FaceLabels& labels,
                      std::vector<SkinProblem>& problems) {
  for (const auto& [id, label] : LabelsById(labels)) {
    const std::string query = std::string("skin/label[@id=\"") + id + "\"]";
    const std::unique_ptr<XmlNode> node = doc.SelectSingleNode(query);
    if (!node) continue;  // the read reports it
    // The title's box is the one that does not follow its text: without a size it keeps
    // the one it had, the built-in 89 x 11 in a fresh clock.
    if (label == &labels.lTitle) {
      const bool width = node->Attribute("width").has_value(), height = node->Attribute("height").has_value();
      const std::string missing = !width && !height ? "\"width\" and \"height\"" : !width ? "\"width\"" : "\"height\"";
      if (!width || !height)
        Warn(problems, where + query + ": without " + missing + " the title keeps the size it had, " +
                           SizeText(label->width, label->height) +
                           " here; its box does not follow its text, so give it both");
    }
    const std::optional<std::string> colour = ValueOf(doc, query + "/font/@color");
    if (!colour) continue;
    if (const std::optional<std::string> hint = RedFirstColourHint(*colour))
      Warn(problems, where + query + "/font/@color: " + *hint);
  }
}

void CheckGeometry(const std::string& where, XmlDocument& doc, const SkinState& skin,
                   const MeasuredFonts& measured, std::vector<SkinProblem>& problems) {
  CheckFaceSize(where, doc, skin.surfaces.face, problems);
  CheckHands(where, doc, skin, problems);
  if (skin.surfaces.face.Empty()) return;
  CheckBoxes(where, doc, skin, measured, problems);
  CheckStrip(where, doc, skin.surfaces.buttonStrip, problems);
}
