#pragma once
#include <exception>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/ormel_error.h"
#include "image/text_rasterizer.h"
#include "skin/skin_image_source.h"

// Hands out solid images by file name (the path's last part); unknown names fail the way a
// missing file does, names in `corrupt` the way a broken PNG does.
class FakeSkinImages : public SkinImageSource {
 public:
  struct Image { int width, height; };
  struct Request { std::string path; uint32_t background; };

  void Load(TBitmap32& target, const std::string& path, uint32_t background) override {
    const std::string name = path.substr(path.find_last_of("/\\") + 1);
    loads.push_back({path, background});
    if (corrupt.count(name)) throw OrmelError("Invalid PNG signature.");
    if (const auto f = failures.find(name); f != failures.end()) std::rethrow_exception(f->second);
    const auto it = images.find(name);
    if (it == images.end()) throw OrmelError("The file does not exist.");
    target.SetSize(it->second.width, it->second.height);
    target.Clear((withoutAlpha.count(name) ? 0 : 0xFF000000u) | (background & 0xFFFFFF));
    target.drawMode = DrawMode::Blend;
    target.combineMode = CombineMode::Merge;
  }

  std::map<std::string, Image> images{
      {"face.png", {150, 150}}, {"buttons.png", {96, 16}}, {"glass.png", {150, 150}},
      {"pmam.png", {30, 13}},   {"hours.png", {8, 50}},    {"minutes.png", {5, 60}},
      {"seconds.png", {7, 70}},
  };
  std::set<std::string> corrupt;
  std::set<std::string> withoutAlpha;  // load as a PNG without an alpha channel does
  std::map<std::string, std::exception_ptr> failures;  // what loading the name throws
  std::vector<Request> loads;
};

// Text as wide as 6 pixels a character per 10 pixels of font height, one more per
// character in the "Digital" face, and a pixel taller than the font.
class FakeTextMeasure : public TextRasterizer {
 public:
  TextExtent Measure(const FontSpec& font, const std::string& text) override {
    const int perChar = font.height * 6 / 10 + (font.name == "Digital" ? 1 : 0);
    return {static_cast<int>(text.size()) * perChar, font.height + 1};
  }
  void Draw(TBitmap32&, const FontSpec&, const std::string&, uint32_t) override {}
};
