#pragma once
#include <vector>

#include "skin/label.h"
#include "skin/skin_check.h"

// The font problems of a skin: label fonts that the skin folder does not carry and that
// not every Windows has (the label would silently show in another font on users'
// machines), and font files of the folder that are no font the clock can use. Labels with
// an empty font name are left out: their missing name is reported by the read. A note names
// the fonts whose labels' sizes `measured` could only estimate.
void CheckSkinFonts(const SkinFolder& folder, const FaceLabels& labels, FolderLister& lister,
                    const MeasuredFonts& measured, std::vector<SkinProblem>& problems);
