#pragma once
#include <string>

// Whether a font of this face name comes with every Windows the clock runs on, so a skin
// may name it without carrying it. Face names compare as GDI does, ignoring letter case.
bool IsFontOfEveryWindows(const std::string& faceName);

// Whether two face names name the same font for GDI (ASCII letter case ignored).
bool SameFaceName(const std::string& a, const std::string& b);
