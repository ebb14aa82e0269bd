#include "app/settings_placement_win32.h"

#include "base/handles_win32.h"

namespace {

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM list) {
  reinterpret_cast<std::vector<FormRect>*>(list)->push_back({rect->left, rect->top, rect->right, rect->bottom});
  return TRUE;
}

}  // namespace

FormPlacement ReadWindowPlacement(HWND window) {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  GetWindowPlacement(window, &wp);
  FormPlacement p;
  p.flags = wp.flags;
  p.showCmd = static_cast<int32_t>(wp.showCmd);
  p.minPosition = {wp.ptMinPosition.x, wp.ptMinPosition.y};
  p.maxPosition = {wp.ptMaxPosition.x, wp.ptMaxPosition.y};
  p.normal = {wp.rcNormalPosition.left, wp.rcNormalPosition.top, wp.rcNormalPosition.right,
              wp.rcNormalPosition.bottom};
  p.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  p.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  ScreenDc screen;
  p.pixelsPerInch = GetDeviceCaps(screen.get(), LOGPIXELSY);
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&p.monitors));
  return p;
}

void ApplyWindowPlacement(HWND window, const FormPlacement& p) {
  // Only the position is restored: the window keeps its state, and one that is not
  // visible yet is not shown by it.
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  GetWindowPlacement(window, &wp);
  if (!IsWindowVisible(window)) wp.showCmd = SW_HIDE;
  wp.flags = p.flags;
  wp.ptMinPosition = {p.minPosition.x, p.minPosition.y};
  wp.ptMaxPosition = {p.maxPosition.x, p.maxPosition.y};
  wp.rcNormalPosition = {p.normal.left, p.normal.top, p.normal.right, p.normal.bottom};
  SetWindowPlacement(window, &wp);
}
