#pragma once
#include <optional>
#include <string>
#include <vector>

#include "skin/skin_loader.h"
#include "skin/skin_scan.h"

// One finding of the checker. An error is what makes the clock refuse the skin or fall back
// to something else (a default number, another font, its own chime); a warning is what the
// clock draws, though the author surely meant otherwise; a note is what this check can only
// judge approximately (text it could only estimate), which leaves the verdict as it is.
struct SkinProblem {
  enum class Kind { Error, Warning, Note };
  Kind kind;
  std::string text;
};

// Which label fonts the check's text measure could only estimate: natively, every font the
// skin does not carry. The boxes of such labels are approximate.
class MeasuredFonts {
 public:
  virtual ~MeasuredFonts() = default;
  virtual bool Estimated(const std::string& face) const = 0;
  // The font whose text the measure took for an estimated face, when it measured a real one
  // (a machine that lacks the face draws another); empty when it only estimated.
  virtual std::string MeasuredInstead(const std::string&) const { return {}; }
};

// A measure that knows every font it draws with.
class EveryFontMeasured : public MeasuredFonts {
 public:
  bool Estimated(const std::string&) const override { return false; }
};

// Whether the label's box comes from an estimate of its text (the title's box is fixed).
inline bool BoxEstimated(const TLabel& label, const MeasuredFonts& measured) {
  return label.autoSize && measured.Estimated(label.font.name);
}

// Every problem of a skin at once, for skin authors, in the order the skin is read. Holds no
// error or warning when the skin loads and shows everything as described. `lister` lists the
// skin folder, for the fonts it carries. `measured` tells which fonts `services.text` only
// estimates. `read`, when given, receives the skin as the clock reads it, when its
// description could be read.
std::vector<SkinProblem> CheckSkin(const SkinFolder& folder, const SkinServices& services,
                                   FolderLister& lister, const MeasuredFonts& measured = EveryFontMeasured(),
                                   std::optional<SkinState>* read = nullptr);
