#include "app/settings_placement_win32.h"

#include "base/handles_win32.h"

namespace {

FormRect ToFormRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info))
    reinterpret_cast<std::vector<MonitorArea>*>(list)->push_back({ToFormRect(info.rcMonitor), ToFormRect(info.rcWork)});
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
  p.normal = ToFormRect(wp.rcNormalPosition);
  p.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  p.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  ScreenDc screen;
  p.pixelsPerInch = GetDeviceCaps(screen.get(), LOGPIXELSY);
  for (const MonitorArea& m : MonitorAreas()) p.monitors.push_back(m.bounds);
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

std::vector<MonitorArea> MonitorAreas() {
  std::vector<MonitorArea> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}
