#include "skin/skin_scale.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "image/resample.h"

namespace {

void ScaleImage(const TBitmap32& from, double scale, TBitmap32& to) {
  ResampleLanczos3(from, ScaledLength(from.width, scale), ScaledLength(from.height, scale), to);
  to.drawMode = from.drawMode;
  to.combineMode = from.combineMode;
}

// Frames are squares side by side: each is resampled on its own, so none bleeds into the next.
void ScaleStrip(const TBitmap32& strip, double scale, TBitmap32& to) {
  const int side = strip.height, frames = side > 0 ? strip.width / side : 0;
  const int scaledSide = ScaledLength(side, scale);
  to.SetSize(frames * scaledSide, scaledSide);
  to.Clear(0);
  to.drawMode = strip.drawMode;
  to.combineMode = strip.combineMode;
  TBitmap32 frame, scaled;
  for (int f = 0; f < frames; ++f) {
    frame.SetSize(side, side);
    for (int y = 0; y < side; ++y)
      std::copy_n(strip.Row(y) + f * side, side, frame.Row(y));
    ResampleLanczos3(frame, scaledSide, scaledSide, scaled);
    for (int y = 0; y < scaledSide; ++y)
      std::copy_n(scaled.Row(y), scaledSide, to.Row(y) + f * scaledSide);
  }
}

void ScaleHand(const TRotLayer& from, double scale, TRotLayer& to) {
  to = from;
  to.scale = static_cast<float>(from.scale * scale);
  to.position = {static_cast<float>(from.position.x * scale), static_cast<float>(from.position.y * scale)};
}

// A label's text is drawn centred on its box, so an autosized box keeps its centre.
void ScaleLabel(const TLabel& from, double scale, TextRasterizer& text, TLabel& to) {
  to = from;
  to.font.height = ScaledLength(from.font.height, scale);
  to.top = ScaledLength(from.top, scale);
  if (!from.autoSize) {
    to.left = ScaledLength(from.left, scale);
    to.width = ScaledLength(from.width, scale);
    to.height = ScaledLength(from.height, scale);
    return;
  }
  const TextExtent extent = text.Measure(to.font, to.text);
  const double centre = (from.left + from.width / 2.0) * scale;
  to.left = static_cast<int>(std::lround(centre - extent.width / 2.0));
  to.width = extent.width;
  to.height = extent.height;
}

void ScaleButton(const TSknButton& from, double scale, TSknButton& to) {
  to = from;
  to.left = ScaledLength(from.left, scale);
  to.top = ScaledLength(from.top, scale);
  to.width = ScaledLength(from.width, scale);
  to.height = ScaledLength(from.height, scale);
  to.IconOffset = ScaledLength(from.IconOffset, scale);
  to.IconNudge = ScaledLength(from.IconNudge, scale);
}

// Everything but the surfaces a frame is drawn in.
void ScaleParts(const SkinState& design, double scale, TextRasterizer& text, SkinState& device) {
  const SkinSurfaces& from = design.surfaces;
  SkinSurfaces& to = device.surfaces;
  ScaleImage(from.face, scale, to.face);
  ScaleImage(from.glass, scale, to.glass);
  ScaleImage(from.amPm, scale, to.amPm);
  ScaleStrip(from.buttonStrip, scale, to.buttonStrip);
  ScaleHand(from.hours, scale, to.hours);
  ScaleHand(from.minutes, scale, to.minutes);
  ScaleHand(from.seconds, scale, to.seconds);
  const std::pair<const TBitmap32*, TBitmap32*> drawnIn[] = {
      {&from.overlay.bitmap, &to.overlay.bitmap}, {&from.frame, &to.frame}, {&from.zoom, &to.zoom}};
  for (const auto& [was, is] : drawnIn) {
    is->drawMode = was->drawMode;
    is->combineMode = was->combineMode;
  }
  to.chimePath = from.chimePath;

  const FaceLabels& l = design.labels;
  FaceLabels& d = device.labels;
  ScaleLabel(l.lTitle, scale, text, d.lTitle);
  ScaleLabel(l.lWeekDay, scale, text, d.lWeekDay);
  ScaleLabel(l.lTime, scale, text, d.lTime);
  ScaleLabel(l.lTimeBg, scale, text, d.lTimeBg);
  ScaleLabel(l.lDate, scale, text, d.lDate);
  ScaleLabel(l.lAmPm, scale, text, d.lAmPm);
  ScaleButton(design.left, scale, device.left);
  ScaleButton(design.right, scale, device.right);
}

}  // namespace

void ReadyToDraw(SkinState& skin) {
  // The surfaces a frame is drawn in take the drawn face's size. Frames draw their overlay in
  // the frame itself, so the overlay layer holds no pixels of its own.
  SkinSurfaces& s = skin.surfaces;
  s.overlay.bitmap.Free();
  for (TBitmap32* b : {&s.frame, &s.zoom}) {
    b->SetSize(s.face.width, s.face.height);
    b->Clear(0);
  }
}

void ScaleSkin(const SkinState& design, double scale, TextRasterizer& text, SkinState& device) {
  if (scale == 1) {
    device = design;
  } else {
    ScaleParts(design, scale, text, device);
  }
  ReadyToDraw(device);
}
