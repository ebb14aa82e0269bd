#include "app/clock_tray_win32.h"

#include "app/resource_ids.h"

namespace {

constexpr int kTrayIconSize = 16;  // the tray's small icon, in pixels

}  // namespace

std::unique_ptr<TTrayIcon> CreateClockTrayIcon(HINSTANCE instance, const std::string& hint, TTrayIcon::Events events) {
  IconHandle icon(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_ORMEL_CLOCK), IMAGE_ICON, kTrayIconSize, kTrayIconSize, 0)));
  return std::make_unique<TTrayIcon>(instance, std::move(icon), hint, std::move(events));
}

void CancelMouseModes(HWND fallback) {
  HWND active = GetActiveWindow();
  SendMessageW(active ? active : fallback, WM_CANCELMODE, 0, 0);
}
