#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "image/bitmap32.h"
#include "image/pixel_rect.h"
#include "image/text_rasterizer.h"
#include "skin/frame_texts.h"
#include "skin/hand_ink.h"
#include "skin/label.h"
#include "skin/label_ink.h"
#include "skin/row_spans.h"
#include "skin/skin_button.h"
#include "skin/skin_surfaces.h"

// What one frame shows besides the skin itself. The hand angles are already in the layers.
struct FrameInputs {
  bool titleHot = false;            // the pointer is over the title
  bool beepRunning = false;         // the beep timer runs: the time blinks
  bool secondEven = false;          // the current second is even
  bool watchRunning = false;        // the mode counts with a watch that runs: the left button shows Pause
  bool weekdayWithoutHands = true;  // the mode shows the weekday while the hands are hidden
  bool displayArrows = true;        // hands shown, weekday hidden
  uint8_t constantAlpha = 255;      // the window blend's: the fade alpha during a fade
};

struct FaceButtons {
  TSknButton& left;
  TSknButton& right;
};

constexpr uint32_t kHotLabelColour = 0xFFFFFF;

// Composes the frames of one skin: the overlay (labels, buttons, hands) flattened with face
// and glass into `surfaces.frame`, pixel for pixel as a composition from nothing gives them.
// A frame pixel depends only on what lies at that pixel, so a frame draws again only what
// changed since the last one: the labels whose text or colour changed, the buttons whose
// look changed, and of a hand that turned the rows' runs it painted and paints (a thin hand
// turned fills little of its box). Of each row the run that joins them is drawn anew in the
// frame itself and flattened there with face and glass, so no face-sized overlay is kept. It keeps each label's ink, the hands' turns (the second hand's sixty) and a glass
// stretched to the face; once they have been as large, a frame allocates nothing (unless a hand is too
// large for all its angles to be kept).
class FrameComposer {
 public:
  // Sets the buttons' strip and the left button's icon, and returns the rectangle of the frame
  // that changed (all of it after Forget). The caller presents it unless a fade runs.
  PixelRect ComposeFrame(SkinSurfaces& surfaces, const FaceLabels& labels, FaceButtons buttons,
                         TextRasterizer& rasterizer, const FrameTexts& texts, const FrameInputs& in);
  // The next frame is composed from nothing: the surfaces or the fonts changed (a skin load).
  void Forget();

 private:
  static constexpr int kLabels = 6, kButtons = 2, kHands = 3;
  // A button as it paints.
  struct ButtonLook {
    int left = 0, top = 0, iconOffset = 0, icon = 0;
    uint8_t state = 0;
    const TBitmap32* strip = nullptr;
    bool operator==(const ButtonLook& o) const {
      return left == o.left && top == o.top && iconOffset == o.iconOffset && icon == o.icon && state == o.state &&
             strip == o.strip;
    }
  };
  void Prepare(const SkinSurfaces& surfaces, uint8_t constantAlpha);
  // The skin's glass where it is of the face's size, else glass_.
  static bool GlassFits(const SkinSurfaces& surfaces);
  const TBitmap32& Glass(const SkinSurfaces& surfaces) const;
  void Redraw(SkinSurfaces& surfaces, const PixelRect& r, FaceButtons buttons) const;

  bool composed_ = false;
  bool glassStretched_ = false;  // glass_ holds this skin's glass
  uint8_t alpha_ = 255;
  int width_ = 0, height_ = 0;  // the frame's when the composition started from nothing
  std::array<LabelInk, kLabels> labels_;
  std::array<bool, kLabels> labelShown_{};
  std::array<ButtonLook, kButtons> buttons_;
  std::array<PixelRect, kButtons> buttonAreas_;
  std::array<HandInk, kHands> hands_{HandInk(1), HandInk(1), HandInk(60)};
  bool handsShown_ = false;
  TBitmap32 glass_;        // a glass of another size, stretched over the face
  HandScratch handScratch_;
  RowSpans changedRuns_;
};
