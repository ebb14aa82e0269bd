#include "support/full_composition.h"

#include "image/blend.h"
#include "skin/image_utils.h"
#include "skin/rot_layer_paint.h"
#include "skin/round_half_even.h"
#include "skin/stretch_blend.h"

namespace {

void DrawLabel(TBitmap32& target, const TLabel& label, const std::string& text, uint32_t colour,
               TextRasterizer& rasterizer, uint8_t constantAlpha) {
  FontSpec font = label.font;
  font.color = colour;
  const TextExtent extent = rasterizer.Measure(font, text);
  const int x = static_cast<int>(RoundHalfEvenDiv(2 * static_cast<int64_t>(label.left) + label.width - extent.width, 2));
  TextPasses passes;
  TBitmap32 ink;
  RenderTextAlpha(rasterizer, text, font, extent, passes, ink);
  BlendOver(target, x, label.top, ink, constantAlpha);
}

}  // namespace

void ComposeFullFrame(SkinSurfaces& surfaces, const FaceLabels& labels, FaceButtons buttons, TextRasterizer& rasterizer,
                      const FrameTexts& texts, const FrameInputs& in) {
  TBitmap32& overlay = surfaces.overlay.bitmap;
  const uint8_t alpha = in.constantAlpha;
  auto draw = [&](const TLabel& label, const std::string& text, uint32_t colour) {
    DrawLabel(overlay, label, text, colour, rasterizer, alpha);
  };

  overlay.Clear(0);
  draw(labels.lTimeBg, labels.lTimeBg.text, labels.lTimeBg.font.color);
  const bool blinkOn = in.beepRunning && in.secondEven;
  draw(labels.lTime, texts.time, blinkOn ? kHotLabelColour : labels.lTime.font.color);
  draw(labels.lTitle, texts.title, in.titleHot ? kHotLabelColour : labels.lTitle.font.color);
  draw(labels.lDate, texts.date, labels.lDate.font.color);
  if (!texts.amPm.empty()) draw(labels.lAmPm, texts.amPm, labels.lAmPm.font.color);
  if (in.weekdayWithoutHands && !in.displayArrows) draw(labels.lWeekDay, texts.weekday, labels.lWeekDay.font.color);

  buttons.left.Strip = &surfaces.buttonStrip;
  buttons.left.Icon = in.watchRunning ? 4 : 3;
  buttons.right.Strip = &surfaces.buttonStrip;
  buttons.right.Icon = 5;
  buttons.left.PaintTo(overlay);
  buttons.right.PaintTo(overlay);

  if (in.displayArrows) {
    PaintRotLayer(surfaces.hours, overlay);
    PaintRotLayer(surfaces.minutes, overlay);
    PaintRotLayer(surfaces.seconds, overlay);
  }

  surfaces.frame.Clear(0);
  BlendOver(surfaces.frame, 0, 0, surfaces.face, alpha);
  BlendOver(surfaces.frame, 0, 0, overlay, alpha);
  BlendStretched(surfaces.frame, overlay.width, overlay.height, surfaces.glass, alpha);
}
