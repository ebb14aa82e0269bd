#include "app/monitor_areas_win32.h"

#include <windows.h>

namespace {

FormRect ToFormRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info))
    reinterpret_cast<std::vector<MonitorArea>*>(list)->push_back({ToFormRect(info.rcMonitor), ToFormRect(info.rcWork)});
  return TRUE;
}

}  // namespace

std::vector<MonitorArea> MonitorAreas() {
  std::vector<MonitorArea> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}
