#include "app/skin_window_win32.h"

#include "skin/folder_lister_win32.h"
#include "skin/skin_scan.h"

namespace {

constexpr BYTE kOpaque = 255;

BLENDFUNCTION PerPixelBlend(BYTE constantAlpha) { return BLENDFUNCTION{AC_SRC_OVER, 0, constantAlpha, AC_SRC_ALPHA}; }

}  // namespace

SkinWindow::SkinWindow() : skin_(SkinsRoot()) {}

void SkinWindow::ScanSkinFolders() {
  Win32FolderLister lister;
  names_ = ScanSkins(lister, SkinsRoot());
}

void SkinWindow::LoadSkin(const std::string& name, const FormatSettings& format) {
  skin_.Load(name, format, scale_, [this](int w, int h) { return presenter_.Reserve(w, h); });
}

void SkinWindow::Rescale(HWND window, double scale) {
  skin_.Rescale(scale, [this](int w, int h) { return presenter_.Reserve(w, h); });
  scale_ = scale;
  RECT r;
  GetWindowRect(window, &r);
  const TBitmap32& face = skin_.Frame();
  const int centreX = r.left + (r.right - r.left) / 2, centreY = r.top + (r.bottom - r.top) / 2;
  SetWindowPos(window, nullptr, centreX - face.width / 2, centreY - face.height / 2, face.width, face.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void SkinWindow::FitWindowToSkin(HWND window) const {
  const TBitmap32& face = skin_.Frame();
  SetWindowPos(window, nullptr, 0, 0, face.width, face.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SkinWindow::PresentFrame(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  presenter_.PresentFrame(window, POINT{r.left, r.top}, skin_.Frame(), PerPixelBlend(kOpaque), skin_.TakeUnshown());
}

bool SkinWindow::PresentZoom(HWND window, int32_t left, int32_t top, uint8_t constantAlpha) {
  return presenter_.Present(window, POINT{left, top}, skin_.Zoom(), PerPixelBlend(constantAlpha));
}
