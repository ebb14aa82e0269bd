#pragma once
#include <memory>
#include <string>

#include "app/clock_state.h"
#include "app/mouse_commands.h"
#include "image/gdi_text_win32.h"
#include "image/pixel_rect.h"
#include "skin/compose_frame.h"
#include "skin/skin_image_source.h"
#include "skin/skin_loader.h"
#include "skin/skin_private_fonts_win32.h"
#include "skin/xml_reader.h"

// The current skin of the clock and everything that draws it.
class ClockSkin {
 public:
  // Skins are the folders of `skinsRoot` (face\ beside the program).
  explicit ClockSkin(std::string skinsRoot);
  ~ClockSkin();

  // Loads the skin folder `name` and draws it at the display `scale`, refusing it when
  // `canPresent` cannot take its frames. On any failure the previous skin and its fonts stay,
  // and OrmelError names the skin and says what is wrong.
  void Load(const std::string& name, const FormatSettings& format, double scale,
            const FrameSizeCheck& canPresent = nullptr);
  // Draws the skin at another display scale (the window moved to another monitor). On failure
  // it stays at the scale it had and OrmelError says why.
  void Rescale(double scale, const FrameSizeCheck& canPresent = nullptr);
  double Scale() const { return scale_; }
  // The mode's texts and the hands into the frame bitmap.
  // Composed at full alpha also during a fade: the fade applies its alpha once, when presenting.
  void Compose(const ClockState& state, TDateTime now, uint64_t uptimeMs, bool beepRunning);

  const TBitmap32& Frame() const { return state_.surfaces.frame; }
  // The rectangle of the frame composed since the last call: what the window has not shown yet.
  PixelRect TakeUnshown();
  TBitmap32& Zoom() { return state_.surfaces.zoom; }
  const std::string& ChimePath() const { return state_.surfaces.chimePath; }
  // In device pixels, as the frame is.
  FaceHitAreas HitAreas();
  TSknButton& LeftButton() { return state_.left; }
  TSknButton& RightButton() { return state_.right; }

 private:
  std::unique_ptr<XmlReader> xml_;
  std::unique_ptr<SkinImageSource> images_;
  std::string skinsRoot_;
  SkinPrivateFonts fonts_;  // declared before text_, so its cached font goes before the files
  GdiTextRasterizer text_;
  std::string name_;
  // The skin as loaded, in face pixels: at scale 1 the drawn skin itself.
  const SkinState& Design() const { return scale_ == 1 ? state_ : design_; }

  SkinState design_;  // as loaded, only the images kept; empty at scale 1
  SkinState state_;   // as drawn: device pixels at scale_
  double scale_ = 1;
  FrameComposer composer_;
  PixelRect unshown_;
};

std::string SkinsRoot();
