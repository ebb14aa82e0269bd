#pragma once
#include <string>
#include <vector>

#include "skin/skin_loader.h"
#include "skin/skin_scan.h"

// One finding of the checker. An error is what makes the clock refuse the skin or fall back
// to something else (a default number, another font, its own chime); a warning is what the
// clock draws, though the author surely meant otherwise.
struct SkinProblem {
  enum class Kind { Error, Warning };
  Kind kind;
  std::string text;
};

// Every problem of a skin at once, for skin authors, errors and warnings in the order the
// skin is read. Empty when the skin loads and shows everything as described. `lister`
// lists the skin folder, for the fonts it carries. `read`, when given, receives the skin as
// the clock reads it.
std::vector<SkinProblem> CheckSkin(const SkinFolder& folder, const SkinServices& services,
                                   FolderLister& lister, SkinState* read = nullptr);
