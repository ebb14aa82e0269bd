#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "skin/skin_scan.h"

// A font file of a skin folder, with the family names GDI matches label fonts against (none
// when it is no TrueType or OpenType font the clock can use).
struct CarriedFont {
  std::string file;  // its name in the folder
  std::vector<uint8_t> bytes;
  std::vector<std::string> families;
};

// The font files that the skin in `folder` (ending in a separator) brings, in listing order.
std::vector<CarriedFont> ReadCarriedFonts(const std::string& folder, FolderLister& lister);

// The first of the fonts whose family is this face name, as GDI compares names; null when none is.
const CarriedFont* FontNamed(const std::vector<CarriedFont>& fonts, const std::string& face);
