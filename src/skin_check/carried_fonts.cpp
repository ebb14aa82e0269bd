#include "skin_check/carried_fonts.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

#include "base/unicode_text.h"
#include "skin/skin_fonts.h"

namespace {

// Reads big-endian fields of the font's tables; every read is checked against the end.
class FontBytes {
 public:
  explicit FontBytes(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}
  bool Has(size_t offset, size_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }
  uint16_t U16(size_t at) const { return static_cast<uint16_t>(bytes_[at] << 8 | bytes_[at + 1]); }
  uint32_t U32(size_t at) const { return uint32_t(U16(at)) << 16 | U16(at + 2); }
  uint8_t At(size_t at) const { return bytes_[at]; }

 private:
  const std::vector<uint8_t>& bytes_;
};

void AppendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string Utf16BeToUtf8(const FontBytes& f, size_t at, size_t length) {
  std::string out;
  for (size_t i = 0; i + 1 < length; i += 2) {
    uint32_t c = f.U16(at + i);
    if (c >= 0xD800 && c < 0xDC00 && i + 3 < length) {
      const uint32_t low = f.U16(at + i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    AppendUtf8(out, c);
  }
  return out;
}

// Macintosh names: their ASCII range is all a face name needs; other bytes are left out.
std::string MacRomanAscii(const FontBytes& f, size_t at, size_t length) {
  std::string out;
  for (size_t i = 0; i < length; ++i)
    if (f.At(at + i) < 0x80) out += static_cast<char>(f.At(at + i));
  return out;
}

constexpr uint16_t kUnicodePlatform = 0, kMacPlatform = 1, kWindowsPlatform = 3;
constexpr uint16_t kMacRoman = 0;
constexpr uint16_t kFamilyNameId = 1;

// Fonts every desktop Windows from Vista on installs, and the raster fonts GDI always has.
// A skin naming anything else must carry it, or its label falls back to another font.
const char* const kFontsOfEveryWindows[] = {
    "Arial",         "Arial Black",   "Comic Sans MS",        "Courier New",
    "Georgia",       "Impact",        "Lucida Console",       "Lucida Sans Unicode",
    "MS Sans Serif", "MS Serif",      "Microsoft Sans Serif", "Palatino Linotype",
    "Segoe UI",      "Small Fonts",   "Symbol",               "Tahoma",
    "Times New Roman", "Trebuchet MS", "Verdana",             "Wingdings",
};

}  // namespace

std::vector<std::string> FontFamilyNames(const std::vector<uint8_t>& file) {
  const FontBytes f(file);
  std::vector<std::string> names;
  if (!f.Has(0, 12)) return names;
  const uint32_t version = f.U32(0);
  if (version != 0x00010000 && version != 0x4F54544F /* OTTO */ && version != 0x74727565 /* true */)
    return names;
  const uint16_t tables = f.U16(4);
  if (!f.Has(12, size_t(tables) * 16)) return names;
  for (uint16_t t = 0; t < tables; ++t) {
    const size_t record = 12 + size_t(t) * 16;
    if (f.U32(record) != 0x6E616D65 /* name */) continue;
    const size_t table = f.U32(record + 8), length = f.U32(record + 12);
    if (!f.Has(table, length) || length < 6) return names;
    const uint16_t count = f.U16(table + 2);
    const size_t strings = table + f.U16(table + 4);
    if (!f.Has(table + 6, size_t(count) * 12)) return names;
    for (uint16_t n = 0; n < count; ++n) {
      const size_t r = table + 6 + size_t(n) * 12;
      const uint16_t platform = f.U16(r), encoding = f.U16(r + 2), nameId = f.U16(r + 6);
      const size_t size = f.U16(r + 8), at = strings + f.U16(r + 10);
      if (nameId != kFamilyNameId || !f.Has(at, size)) continue;
      std::string name;
      if (platform == kWindowsPlatform || platform == kUnicodePlatform) name = Utf16BeToUtf8(f, at, size);
      else if (platform == kMacPlatform && encoding == kMacRoman) name = MacRomanAscii(f, at, size);
      if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
    }
    return names;
  }
  return names;
}

bool SameFaceName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

bool IsFontOfEveryWindows(const std::string& faceName) {
  for (const char* font : kFontsOfEveryWindows)
    if (SameFaceName(faceName, font)) return true;
  return false;
}

std::vector<CarriedFont> ReadCarriedFonts(const std::string& folder, FolderLister& lister) {
  std::vector<CarriedFont> fonts;
  for (const std::string& file : SkinFontFiles(lister.List(folder))) {
    std::ifstream in(PathFromUtf8(folder + file), std::ios::binary);
    CarriedFont font{file, std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}), {}};
    font.families = FontFamilyNames(font.bytes);
    fonts.push_back(std::move(font));
  }
  return fonts;
}

const CarriedFont* FontNamed(const std::vector<CarriedFont>& fonts, const std::string& face) {
  for (const CarriedFont& font : fonts)
    for (const std::string& family : font.families)
      if (SameFaceName(family, face)) return &font;
  return nullptr;
}
