#pragma once
#include <string>
#include <vector>

#include "skin/skin_loader.h"

// Every problem of a skin at once, for skin authors: what stops a load (missing or malformed
// skin.xml, missing nodes, bad colours, missing or undecodable images), numbers that fall
// back to their defaults, and label or button boxes that reach outside the face. Empty when
// the skin loads and shows everything.
std::vector<std::string> CheckSkin(const SkinFolder& folder, const SkinServices& services);
