#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/clock_skin_win32.h"
#include "skin/layered_presenter_win32.h"

// The skin on the clock window: the installed skins, the one shown, and its frames on screen.
class SkinWindow {
 public:
  SkinWindow();

  // The Skins submenu's folders, listed once at start-up.
  void ScanSkinFolders();
  const std::vector<std::string>& SkinNames() const { return names_; }
  // Throws, keeping the old skin, also when the window cannot present the new one's frames.
  // The skin is drawn at the display scale of the window's monitor.
  void LoadSkin(const std::string& name, const FormatSettings& format);
  // The window takes the face's size where it stands.
  void FitWindowToSkin(HWND window) const;
  // The display scale the next skin is drawn at: the window's monitor's at start-up.
  void SetScale(double scale) { scale_ = scale; }
  // Draws the skin at the new scale and sizes the window to it around the same centre. Throws,
  // keeping the scale it had, when the frames at the new scale cannot be shown.
  void Rescale(HWND window, double scale);
  // The composed frame at the window's place, fully opaque.
  void PresentFrame(HWND window);
  // The fade's zoom bitmap; false when the window update failed.
  bool PresentZoom(HWND window, int32_t left, int32_t top, uint8_t constantAlpha);

  ClockSkin& Skin() { return skin_; }

 private:
  ClockSkin skin_;
  LayeredPresenter presenter_;
  std::vector<std::string> names_;
  double scale_ = 1;
};
