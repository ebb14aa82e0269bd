#include "skin/skin_loader.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <new>
#include <optional>
#include <stdexcept>

#include "skin/colour_text.h"
#include "skin/label_autosize.h"
#include "skin/skin_numbers.h"

namespace {

// Font sizes are points; the clock draws at 96 dpi. Sizes beyond this are taken as typing
// errors, so that a skin cannot ask for text bitmaps of absurd size.
constexpr int kMaxFontPoints = 720;

std::string Size(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

// Reads one skin.xml; every query and default of the format lives here.
class SkinReader {
 public:
  SkinReader(const SkinFolder& folder, const SkinServices& services, SkinReport& report)
      : folder_(folder), services_(services), report_(report),
        description_(folder.path + "skin.xml") {}

  bool Open() {
    try {
      doc_ = services_.xml.Open(description_);
    } catch (...) {
      report_.Error(description_ + ": " + LoadFailureText());
      return false;
    }
    return true;
  }

  // The selected node, or null after reporting that the query found none.
  std::unique_ptr<XmlNode> Select(const std::string& query) {
    std::unique_ptr<XmlNode> node;
    try {
      node = doc_->SelectSingleNode(query);
    } catch (...) {
      report_.Error(description_ + ": " + query + ": " + LoadFailureText());
      return nullptr;
    }
    if (!node) report_.Error(description_ + ": no node matches " + query);
    return node;
  }

  std::optional<std::string> Text(const std::string& query) {
    const std::unique_ptr<XmlNode> node = Select(query);
    if (!node) return std::nullopt;
    return node->Value();
  }

  // A required attribute of a selected element, reported under its full query.
  std::optional<std::string> Attribute(const XmlNode& element, const std::string& query,
                                       const std::string& name) {
    std::optional<std::string> value = element.Attribute(name);
    if (!value) report_.Error(description_ + ": no node matches " + query + "/@" + name);
    return value;
  }

  int Int(const std::optional<std::string>& text, const std::string& what, int fallback) {
    if (!text) return fallback;
    if (const std::optional<int> v = ParseSkinInt(*text)) return *v;
    NoteFallback(*text, what, std::to_string(fallback), "write a whole number, digits without a unit");
    return fallback;
  }

  float Float(const std::string& query, float fallback) {
    const std::optional<std::string> text = Text(query);
    if (!text) return fallback;
    if (const std::optional<double> v = ParseSkinFloat(*text, services_.format.decimalSeparator))
      return static_cast<float>(*v);
    char shown[32];
    std::snprintf(shown, sizeof shown, "%g", fallback);
    NoteFallback(*text, query, shown,
                 std::string("write digits with '") + services_.format.decimalSeparator +
                     "' as the decimal separator, as the user's settings have it");
    return fallback;
  }

  // `element` names the image, for authors looking for the file a message is about.
  void Image(TBitmap32& target, const std::string& element, const std::optional<std::string>& name,
             uint32_t background) {
    if (!name) return;
    std::string relative = *name;
    if (folder_.separator != '\\') {
      for (char& c : relative) c = c == '\\' ? folder_.separator : c;
    }
    const std::string path = folder_.path + relative;
    try {
      services_.images.Load(target, path, background);
    } catch (...) {
      const std::string failure = LoadFailureText();
      report_.Error(path + ": " + failure, path + " (" + element + "): " + failure);
      return;
    }
    if (!WithinCap(path, "the image", target.width, target.height, element)) target = TBitmap32();
  }

  // Reports a size beyond the cap; authors also learn the element that names the file.
  bool WithinCap(const std::string& where, const char* what, int width, int height,
                 const std::string& element = "") {
    if (width <= kMaxSkinSide && height <= kMaxSkinSide) return true;
    const std::string problem = std::string(what) + " is " + Size(width, height) + " pixels; at most " +
                                Size(kMaxSkinSide, kMaxSkinSide) + " can be shown";
    if (element.empty()) {
      report_.Error(where + ": " + problem);
    } else {
      report_.Error(where + ": " + problem, where + " (" + element + "): " + problem);
    }
    return false;
  }

  const std::string& Description() const { return description_; }

  void ApplyLabel(TLabel& label, const std::string& query) {
    const std::unique_ptr<XmlNode> node = Select(query);
    if (!node) return;
    if (const std::optional<std::string> text = Attribute(*node, query, "text")) {
      label.text = *text;
      AutoSizeLabel(label, services_.text);
    }
    label.left = Int(Attribute(*node, query, "x"), query + "/@x", 62);
    label.top = Int(Attribute(*node, query, "y"), query + "/@y", 55);
    if (const std::optional<std::string> w = node->Attribute("width"))
      label.width = Int(w, query + "/@width", 89);
    if (const std::optional<std::string> h = node->Attribute("height"))
      label.height = Int(h, query + "/@height", 11);
    if (const std::optional<std::string> align = Attribute(*node, query, "align")) {
      if (*align == "center") label.alignment = LabelAlignment::Center;
      if (*align == "left") label.alignment = LabelAlignment::Left;
      if (*align == "right") label.alignment = LabelAlignment::Right;
    }

    const std::string fontQuery = query + "/font";
    const std::unique_ptr<XmlNode> font = Select(fontQuery);
    if (!font) return;
    if (const std::optional<std::string> name = Attribute(*font, fontQuery, "name")) {
      label.font.name = *name;
      AutoSizeLabel(label, services_.text);
    }
    if (const std::optional<std::string> size = Attribute(*font, fontQuery, "size")) {
      label.font.height = PointsToPixels(FontPoints(*size, fontQuery + "/@size"));
      AutoSizeLabel(label, services_.text);
    }
    if (const std::optional<std::string> colour = Attribute(*font, fontQuery, "color")) {
      try {
        label.font.color = ParseColourText(*colour);
      } catch (const OrmelError& e) {
        const std::string message = description_ + ": " + fontQuery + "/@color: " + e.what();
        // The clock's own message says the forms too: the author of the skin is reading it.
        report_.Error(message +
                      "; a colour is $00BBGGRR in hexadecimal (blue first: $000000FF is red), "
                      "the same as a decimal number, or a name such as clWhite, clRed or clNavy");
      }
    }
  }

  void ApplyButton(TSknButton& button, const std::string& query) {
    const std::unique_ptr<XmlNode> node = Select(query);
    if (!node) return;
    button.left = Int(Attribute(*node, query, "x"), query + "/@x", 62);
    button.top = Int(Attribute(*node, query, "y"), query + "/@y", 62);
    button.width = Int(Attribute(*node, query, "width"), query + "/@width", 62);
    button.height = Int(Attribute(*node, query, "height"), query + "/@height", 62);
  }

 private:
  // Says what the default is and how to write the value, since the default rarely fits.
  void NoteFallback(const std::string& text, const std::string& what, const std::string& fallback,
                    const std::string& howToWrite) {
    report_.Fallback(description_ + ": " + what + ": '" + text + "' is not a number; using " +
                     fallback + ", the skin format's default for it (" + howToWrite + ")");
  }

  int FontPoints(const std::string& text, const std::string& what) {
    const std::optional<int> points = ParseSkinInt(text);
    if (points && *points >= 1 && *points <= kMaxFontPoints) return *points;
    const std::string limits = "a size in points from 1 to " + std::to_string(kMaxFontPoints);
    if (!points) {
      NoteFallback(text, what, "62", "write " + limits + ", digits without a unit");
    } else {
      report_.Fallback(description_ + ": " + what + ": '" + text + "' is not " + limits +
                       "; using 62, the skin format's default for it");
    }
    return 62;
  }

  static int PointsToPixels(int points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

  const SkinFolder& folder_;
  const SkinServices& services_;
  SkinReport& report_;
  const std::string description_;
  std::unique_ptr<XmlDocument> doc_;
};

void ReadHand(SkinReader& r, TRotLayer& layer, const std::string& hand,
              const std::optional<std::string>& file, FloatPoint centre, FloatPoint position) {
  r.Image(layer.bitmap, "skin/" + hand + "/filename", file, 0);
  layer.bitmap.sampler = Sampler::Lanczos3;
  const std::string base = "skin/" + hand;
  layer.bitmapCenter = {r.Float(base + "/bitmapCenter/@x", centre.x),
                        r.Float(base + "/bitmapCenter/@y", centre.y)};
  layer.position = {r.Float(base + "/position/@x", position.x),
                    r.Float(base + "/position/@y", position.y)};
}

void SizeLike(TBitmap32& b, const TBitmap32& face, DrawMode draw) {
  b.SetSize(face.width, face.height);
  b.Clear(0);
  b.drawMode = draw;
  b.combineMode = CombineMode::Merge;
}

}  // namespace

void ReadSkin(const SkinFolder& folder, const SkinServices& services, SkinReport& report,
              SkinState& into) {
  SkinReader r(folder, services, report);
  if (!r.Open()) return;

  const std::optional<std::string> face = r.Text("skin/clockface/text()");
  const std::optional<std::string> buttons = r.Text("skin/buttons/text()");
  const std::optional<std::string> glass = r.Text("skin/glass/text()");
  const std::optional<std::string> pmam = r.Text("skin/pmam/text()");
  const std::optional<std::string> hours = r.Text("skin/hours/filename/text()");
  const std::optional<std::string> minutes = r.Text("skin/minutes/filename/text()");
  const std::optional<std::string> seconds = r.Text("skin/seconds/filename/text()");
  const std::optional<std::string> chime = r.Text("skin/sounds/chime/text()");
  const int width = r.Int(r.Text("skin/clockface/@width"), "skin/clockface/@width", 600);
  const int height = r.Int(r.Text("skin/clockface/@height"), "skin/clockface/@height", 400);

  SkinSurfaces& s = into.surfaces;
  // The declared size only stands until the face image replaces it, but it is allocated
  // first, so it must fit the cap as well.
  if (r.WithinCap(r.Description(), "the face", width, height)) {
    s.face.SetSize(width, height);
    s.face.Clear(0);
  }
  r.Image(s.face, "skin/clockface", face, 0);
  r.Image(s.buttonStrip, "skin/buttons", buttons, 0x808080);
  r.Image(s.glass, "skin/glass", glass, 0xFFFFFF);
  s.amPm.SetSize(120, 120);
  r.Image(s.amPm, "skin/pmam", pmam, 0);
  for (TBitmap32* b : {&s.face, &s.buttonStrip, &s.glass, &s.amPm}) {
    b->drawMode = DrawMode::Blend;
    b->combineMode = CombineMode::Merge;
  }
  SizeLike(s.overlay.bitmap, s.face, DrawMode::Blend);
  SizeLike(s.frame, s.face, DrawMode::Opaque);
  SizeLike(s.zoom, s.face, DrawMode::Opaque);

  ReadHand(r, s.hours, "hours", hours, {4.0f, 42.5f}, {75, 75});
  ReadHand(r, s.minutes, "minutes", minutes, {2.5f, 51}, {75, 75});
  ReadHand(r, s.seconds, "seconds", seconds, {3.5f, 61}, {75, 75});

  FaceLabels& l = into.labels;
  r.ApplyLabel(l.lTitle, "skin/label[@id=\"title\"]");
  r.ApplyLabel(l.lWeekDay, "skin/label[@id=\"weekday\"]");
  r.ApplyLabel(l.lTime, "skin/label[@id=\"time\"]");
  r.ApplyLabel(l.lTimeBg, "skin/label[@id=\"timebg\"]");
  r.ApplyLabel(l.lDate, "skin/label[@id=\"date\"]");
  r.ApplyLabel(l.lAmPm, "skin/label[@id=\"ampm\"]");
  r.ApplyButton(into.left, "skin/button[@id=\"left\"]");
  r.ApplyButton(into.right, "skin/button[@id=\"right\"]");

  s.chimePath = chime.value_or(std::string());
}

void LoadSkin(const SkinFolder& folder, const SkinServices& services, SkinState& current,
              const FrameSizeCheck& canPresent) {
  // Build beside the current skin, so that a failure leaves it whole and on screen.
  try {
    SkinState next;
    next.labels = current.labels;
    next.left = current.left;
    next.right = current.right;
    StopAtFirstError report;
    ReadSkin(folder, services, report, next);
    const TBitmap32& frame = next.surfaces.frame;
    if (canPresent && !canPresent(frame.width, frame.height))
      throw OrmelError("there is not enough graphics memory to show a " + Size(frame.width, frame.height) +
                       " face");
    current = std::move(next);
  } catch (const OrmelError&) {
    throw;
  } catch (...) {
    throw OrmelError(LoadFailureText());
  }
}

std::string LoadFailureText() {
  const char* const noMemory = "there is not enough memory to load it";
  try {
    throw;
  } catch (const OrmelError& e) {
    return e.what();
  } catch (const std::bad_alloc&) {
    return noMemory;
  } catch (const std::length_error&) {  // a size the containers cannot hold
    return noMemory;
  } catch (...) {
    // A library's own text means nothing to the user.
    return "an unexpected error stopped the load";
  }
}

std::string CannotShowSkin(const std::string& name, const std::string& problem) {
  return "The skin \"" + name + "\" cannot be shown:\r\n" + problem;
}
