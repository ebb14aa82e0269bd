#include "app/clock_skin_win32.h"

#include <utility>

#include "app/display_texts.h"
#include "base/display_scale.h"
#include "base/ormel_error.h"
#include "skin/skin_scale.h"
#include "skin/image_utils.h"
#include "skin/xml_reader_msxml_win32.h"
#include "ui/program_folder_win32.h"

std::string SkinsRoot() { return ProgramFolder() + "face\\"; }

ClockSkin::ClockSkin(std::string skinsRoot)
    : xml_(CreateMsxmlReader()), images_(std::make_unique<PngSkinImages>()), skinsRoot_(std::move(skinsRoot)) {}

ClockSkin::~ClockSkin() = default;

namespace {

// The platform's check of a frame size, for frames drawn at `scale`.
FrameSizeCheck AtScale(const FrameSizeCheck& canPresent, double scale) {
  if (!canPresent) return nullptr;
  return [canPresent, scale](int w, int h) { return canPresent(ScaledLength(w, scale), ScaledLength(h, scale)); };
}

// The surfaces a frame is drawn in belong to the drawn skin; the loaded one keeps its images
// (and the surfaces' modes).
void KeepOnlyImages(SkinState& design) {
  for (TBitmap32* b : {&design.surfaces.overlay.bitmap, &design.surfaces.frame, &design.surfaces.zoom}) b->Free();
}

}  // namespace

void ClockSkin::Load(const std::string& name, const FormatSettings& format, double scale,
                     const FrameSizeCheck& canPresent) {
  const std::string folder = skinsRoot_ + name + "\\";
  SkinPrivateFonts fonts;  // out here, so that on failure the cached font goes before its files
  try {
    // The skin's own fonts must be there while its labels are measured.
    fonts = SkinPrivateFonts(folder);
    text_.ForgetFont();
    const SkinServices services{*xml_, *images_, text_, format};
    // A load keeps the boxes the skin does not give; the old skin's pixels are not copied.
    const SkinState& before = Design();
    SkinState design{SkinSurfaces{}, before.labels, before.left, before.right}, drawn;
    LoadSkin(SkinFolder{folder, '\\'}, services, design, AtScale(canPresent, scale));
    if (scale == 1) {
      drawn = std::move(design);
      ReadyToDraw(drawn);
    } else {
      ScaleSkin(design, scale, text_, drawn);
      KeepOnlyImages(design);
    }
    design_ = scale == 1 ? SkinState{} : std::move(design);
    state_ = std::move(drawn);
    scale_ = scale;
    name_ = name;
    fonts_ = std::move(fonts);
    composer_.Forget();
  } catch (...) {
    text_.ForgetFont();  // it may be a font of the refused skin
    throw OrmelError(CannotShowSkin(name, LoadFailureText()));
  }
}

void ClockSkin::Rescale(double scale, const FrameSizeCheck& canPresent) {
  if (scale == scale_) return;
  try {
    const SkinState& design = Design();
    const FrameSizeCheck check = AtScale(canPresent, scale);
    if (check && !check(design.surfaces.face.width, design.surfaces.face.height))
      throw OrmelError("the window cannot show a face of this size at this display scale");
    SkinState drawn;
    ScaleSkin(design, scale, text_, drawn);
    if (scale_ == 1) {
      design_ = std::move(state_);
      KeepOnlyImages(design_);
    }
    state_ = std::move(drawn);
    if (scale == 1) design_ = SkinState{};
    scale_ = scale;
    composer_.Forget();
  } catch (...) {
    throw OrmelError(CannotShowSkin(name_, LoadFailureText()));
  }
}

void ClockSkin::Compose(const ClockState& state, TDateTime now, uint64_t uptimeMs, bool beepRunning) {
  const FrameTexts texts = ComputeDisplayTexts(state, now, uptimeMs);
  const HandAngles hands = ShownHands(state, now);
  SkinSurfaces& s = state_.surfaces;
  s.hours.angle = hands.hour;
  s.minutes.angle = hands.minute;
  s.seconds.angle = hands.second;
  const PixelRect changed = composer_.ComposeFrame(s, state_.labels, FaceButtons{state_.left, state_.right}, text_,
                                                   texts, FrameInputsFor(state, now, beepRunning));
  unshown_ = Bounds(unshown_, changed);
}

PixelRect ClockSkin::TakeUnshown() { return std::exchange(unshown_, PixelRect{}); }

FaceHitAreas ClockSkin::HitAreas() {
  return FaceHitAreas{state_.labels.lTitle, state_.surfaces.hours.position, state_.left, state_.right,
                      ScaledLength(5, scale_)};
}
