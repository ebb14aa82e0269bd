#include "skin/compose_frame.h"

#include <algorithm>

#include "image/blend.h"
#include "skin/flatten_span.h"
#include "skin/stretch_blend.h"

namespace {

constexpr int kIconStart = 3, kIconPause = 4, kIconRight = 5;

}  // namespace

void FrameComposer::Forget() {
  composed_ = false;
  glassStretched_ = false;
  for (LabelInk& label : labels_) label.Forget();
  for (HandInk& hand : hands_) hand.Forget();
}

// What a frame at this skin and alpha starts from. Face and frame are of one size, as a skin
// load makes them. A stretched glass is of the skin alone: frames at another alpha (a fade)
// keep it.
void FrameComposer::Prepare(const SkinSurfaces& s, uint8_t constantAlpha) {
  const int w = s.frame.width, h = s.frame.height;
  alpha_ = constantAlpha;
  width_ = w;
  height_ = h;
  if (!GlassFits(s) && (!glassStretched_ || glass_.width != w || glass_.height != h)) {
    glass_.SetSize(w, h);
    glass_.Clear(0);
    BlendStretched(glass_, w, h, s.glass, 255);
    glassStretched_ = true;
  }
}

bool FrameComposer::GlassFits(const SkinSurfaces& s) {
  return s.glass.width == s.frame.width && s.glass.height == s.frame.height;
}

const TBitmap32& FrameComposer::Glass(const SkinSurfaces& s) const { return GlassFits(s) ? s.glass : glass_; }

PixelRect FrameComposer::ComposeFrame(SkinSurfaces& s, const FaceLabels& labels, FaceButtons buttons,
                                      TextRasterizer& rasterizer, const FrameTexts& texts, const FrameInputs& in) {
  const PixelRect whole = WholeOf(s.frame);
  const bool fromNothing = !composed_ || in.constantAlpha != alpha_ || width_ != whole.right ||
                           height_ != whole.bottom;
  if (fromNothing) Prepare(s, in.constantAlpha);
  changedRuns_.Reset(whole.right, whole.bottom);
  PixelRect changed;
  auto change = [&](const PixelRect& r) {
    changedRuns_.Add(r);
    changed = Bounds(changed, r);
  };

  // The labels in the order they are drawn; each is drawn again only when its look changed.
  const bool blinkOn = in.beepRunning && in.secondEven;
  const struct {
    const TLabel& label;
    const std::string& text;
    uint32_t colour;
    bool shown;
  } wanted[kLabels] = {
      {labels.lTimeBg, labels.lTimeBg.text, labels.lTimeBg.font.color, true},
      {labels.lTime, texts.time, blinkOn ? kHotLabelColour : labels.lTime.font.color, true},
      {labels.lTitle, texts.title, in.titleHot ? kHotLabelColour : labels.lTitle.font.color, true},
      {labels.lDate, texts.date, labels.lDate.font.color, true},
      {labels.lAmPm, texts.amPm, labels.lAmPm.font.color, !texts.amPm.empty()},
      {labels.lWeekDay, texts.weekday, labels.lWeekDay.font.color, in.weekdayWithoutHands && !in.displayArrows},
  };
  for (int i = 0; i < kLabels; ++i) {
    const PixelRect before = labelShown_[i] ? labels_[i].Area() : PixelRect{};
    const bool redrawn = wanted[i].shown && labels_[i].Update(wanted[i].label, wanted[i].text, wanted[i].colour, rasterizer);
    if (redrawn || wanted[i].shown != labelShown_[i]) {
      change(before);
      if (wanted[i].shown) change(labels_[i].Area());
    }
    labelShown_[i] = wanted[i].shown;
  }

  buttons.left.Strip = &s.buttonStrip;
  buttons.left.Icon = in.watchRunning ? kIconPause : kIconStart;
  buttons.right.Strip = &s.buttonStrip;
  buttons.right.Icon = kIconRight;
  const TSknButton* faceButtons[kButtons] = {&buttons.left, &buttons.right};
  for (int i = 0; i < kButtons; ++i) {
    const TSknButton& b = *faceButtons[i];
    const ButtonLook look{b.left, b.top, b.IconOffset, b.Icon, b.state, b.Strip};
    if (look == buttons_[i]) continue;
    change(buttonAreas_[i]);
    change(b.PaintArea());
    buttons_[i] = look;
    buttonAreas_[i] = b.PaintArea();
  }

  // Hour first, second last: the second hand lies on top.
  const TRotLayer* layers[kHands] = {&s.hours, &s.minutes, &s.seconds};
  auto changeInk = [&](const HandInk& hand) {
    hand.AddRunsTo(changedRuns_);
    changed = Bounds(changed, hand.Area());
  };
  for (int i = 0; i < kHands; ++i) {
    HandInk& hand = hands_[i];
    if (in.displayArrows == handsShown_ && (!in.displayArrows || !hand.Turns(*layers[i]))) continue;
    // The old samples go before Update: the new angle may be painted over them.
    if (handsShown_) changeInk(hand);
    if (in.displayArrows) {
      hand.Update(*layers[i], s.frame, handScratch_);
      changeInk(hand);
    }
  }
  handsShown_ = in.displayArrows;

  if (fromNothing) {
    changedRuns_.Reset(whole.right, whole.bottom);
    change(whole);
  }
  changedRuns_.ForEachBand([&](const PixelRect& band) { Redraw(s, band, buttons); });
  composed_ = true;
  return Intersection(changed, whole);
}

// The overlay of r is drawn in the frame and flattened in place: each frame pixel is read
// as overlay before it is written as frame.
void FrameComposer::Redraw(SkinSurfaces& s, const PixelRect& r, FaceButtons buttons) const {
  if (r.Empty()) return;
  TBitmap32& frame = s.frame;
  for (int y = r.top; y < r.bottom; ++y) std::fill(frame.Row(y) + r.left, frame.Row(y) + r.right, 0u);
  for (int i = 0; i < kLabels; ++i) {
    if (labelShown_[i]) labels_[i].BlendInto(frame, r, alpha_);
  }
  buttons.left.PaintTo(frame, r);
  buttons.right.PaintTo(frame, r);
  if (handsShown_) {
    for (const HandInk& hand : hands_) hand.MergeInto(frame, r);
  }
  const TBitmap32& glass = Glass(s);
  const FlattenSpan flatten = FastestFlattenSpan();
  for (int y = r.top; y < r.bottom; ++y) {
    uint32_t* row = frame.Row(y) + r.left;
    flatten(FlattenRow{row, s.face.Row(y) + r.left, glass.Row(y) + r.left, row}, r.Width(), alpha_);
  }
}
