#include "skin/common_fonts.h"

#include <cctype>

namespace {

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
