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

// The family names a TrueType or OpenType font file gives (name ID 1, in every language it
// carries, as UTF-8): the names GDI matches a label's font name against. Empty when the data
// is not such a font or names no family.
std::vector<std::string> FontFamilyNames(const std::vector<uint8_t>& file);

// Whether a font of this face name comes with every Windows the clock runs on, so a skin
// may name it without carrying it. Face names compare as GDI does, ignoring letter case.
bool IsFontOfEveryWindows(const std::string& faceName);

// Whether two face names name the same font for GDI (ASCII letter case ignored).
bool SameFaceName(const std::string& a, const std::string& b);
