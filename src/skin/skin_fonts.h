#pragma once
#include <string>
#include <vector>

#include "skin/skin_scan.h"

// The font files a skin brings (.ttf and .otf, any letter case) among its folder's entries.
// The platform layer loads them privately for the process while the skin is loaded, so a
// skin can use a font the machine lacks.
std::vector<std::string> SkinFontFiles(const std::vector<FolderEntry>& entries);
