#pragma once
#include <string>
#include <vector>

#include "skin/skin_loader.h"
#include "skin/skin_scan.h"

// Every problem of a skin at once, for skin authors: what stops a load (missing or malformed
// skin.xml, missing nodes, bad colours, missing, undecodable or oversized images, a face
// beyond the size cap), numbers that fall back to their defaults, label or button boxes that
// reach outside the face, and label fonts that users' machines may lack. Empty when the skin
// loads and shows everything. `lister` lists the skin folder, for the fonts it carries.
std::vector<std::string> CheckSkin(const SkinFolder& folder, const SkinServices& services,
                                   FolderLister& lister);
