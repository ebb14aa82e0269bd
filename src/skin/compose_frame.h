#pragma once
#include <cstdint>
#include <string>

#include "image/bitmap32.h"
#include "image/text_rasterizer.h"
#include "skin/frame_texts.h"
#include "skin/label.h"
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

// Draws `text` centred on the label's box in `colour` (0x00BBGGRR): left x is the box centre
// minus half the text width, halves to even; top is the box top. Blended onto `target`.
void DrawLabel(TBitmap32& target, const TLabel& label, const std::string& text, uint32_t colour,
               TextRasterizer& rasterizer, uint8_t constantAlpha);

// Rebuilds the overlay (labels, buttons, hands) and flattens face, overlay and glass into
// `surfaces.frame`. Sets the buttons' strip and the left button's icon. Only the label text
// bitmaps are allocated; the caller presents the frame unless a fade runs.
void ComposeFrame(SkinSurfaces& surfaces, const FaceLabels& labels, FaceButtons buttons,
                  TextRasterizer& rasterizer, const FrameTexts& texts, const FrameInputs& in);
