#pragma once
#include <string>
#include <vector>

#include "skin/carried_fonts.h"
#include "skin/skin_check.h"

// What `ormel-skin check --verbose` lists of a skin as the clock read it, one line each:
// every label with its measured box (saying so when `measured` only estimated its size) and
// its colour (red, green, blue), every hand with its pivot and reach, every button with its
// box and where its strip frames go, and every font file the skin carries with its family
// names, as Windows shows them.
std::vector<std::string> DescribeSkin(const SkinState& skin, const MeasuredFonts& measured,
                                      const std::vector<CarriedFont>& carried);
