#include "time/system_time_win32.h"

#include <windows.h>

#include <cstring>

#include "base/error_box_win32.h"
#include "base/handles_win32.h"
#include "base/ormel_error.h"
#include "time/system_time_convert_win32.h"

static_assert(sizeof(TIME_ZONE_INFORMATION) == sizeof(ZoneInformation), "same layout");

namespace {

DWORD FetchMachineZone(ZoneInformation& info) {
  TIME_ZONE_INFORMATION tzi{};
  const DWORD id = GetTimeZoneInformation(&tzi);
  std::memcpy(static_cast<void*>(&info), &tzi, sizeof info);
  return id;
}

}  // namespace

ZoneInformation MachineZoneInformation(ZoneTimeKind* kind) {
  ZoneInformation info;
  const DWORD id = FetchMachineZone(info);
  if (id == TIME_ZONE_ID_INVALID) throw OrmelError(LastErrorText());
  if (kind)
    *kind = id == TIME_ZONE_ID_DAYLIGHT   ? ZoneTimeKind::Daylight
            : id == TIME_ZONE_ID_STANDARD ? ZoneTimeKind::Standard
                                          : ZoneTimeKind::Unknown;
  return info;
}

TDateTime Win32SntpClock::LocalNow() {
  return LocalTimeNow();
}

double Win32SntpClock::UtcBias() {
  ZoneTimeKind kind;
  const ZoneInformation info = MachineZoneInformation(&kind);
  return ActiveBiasMinutes(info, kind) / 1440.0;
}

bool Win32SntpClock::SetLocalTime(TDateTime local) {
  HANDLE opened = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &opened)) return false;
  const KernelHandle token(opened);
  TOKEN_PRIVILEGES wanted = {};
  wanted.PrivilegeCount = 1;
  wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueW(nullptr, SE_SYSTEMTIME_NAME, &wanted.Privileges[0].Luid)) return false;
  TOKEN_PRIVILEGES previous = {};
  DWORD previousSize = sizeof previous;
  // AdjustTokenPrivileges reports success even when the privilege is not held.
  if (!AdjustTokenPrivileges(token.get(), FALSE, &wanted, sizeof previous, &previous, &previousSize) ||
      GetLastError() != ERROR_SUCCESS)
    return false;

  const SYSTEMTIME st = ToSystemTime(local);
  const bool set = ::SetLocalTime(&st) != FALSE;
  AdjustTokenPrivileges(token.get(), FALSE, &previous, 0, nullptr, nullptr);
  return set;
}

uint32_t Win32SntpClock::TickMs() { return GetTickCount(); }
