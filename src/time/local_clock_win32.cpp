#include "time/local_clock_win32.h"

#include <windows.h>

#include "base/library_entry_win32.h"
#include "time/system_time_convert_win32.h"

namespace {

int64_t Ticks(const FILETIME& t) {
  return static_cast<int64_t>(static_cast<uint64_t>(t.dwHighDateTime) << 32 | t.dwLowDateTime);
}

FILETIME FileTimeOf(int64_t ticks) {
  const uint64_t t = static_cast<uint64_t>(ticks);
  return FILETIME{static_cast<DWORD>(t), static_cast<DWORD>(t >> 32)};
}

}  // namespace

TDateTime LocalWallClock::Now() const {
  FILETIME utc;
  GetSystemTimeAsFileTime(&utc);
  const std::optional<int64_t> local = bias_.LocalAt(Ticks(utc), [](int64_t at) -> std::optional<int64_t> {
    const FILETIME from = FileTimeOf(at);
    FILETIME to;
    if (!FileTimeToLocalFileTime(&from, &to)) return std::nullopt;
    return Ticks(to);
  });
  if (!local) return LocalTimeNow();
  const FILETIME localTime = FileTimeOf(*local);
  SYSTEMTIME st;
  // Truncated to the millisecond, as GetLocalTime's.
  if (!FileTimeToSystemTime(&localTime, &st)) return LocalTimeNow();
  return FromSystemTime(st);
}
TDateTime LocalWallClock::UtcNow() const { return UtcTimeNow(); }

UptimeCounter::UptimeCounter() {
  // GetTickCount64 exists from Windows Vista on; older systems get the widened 32-bit count.
  tickCount64_ = LibraryEntry<TickCount64Fn>(GetModuleHandleW(L"kernel32.dll"), "GetTickCount64");
}

uint64_t UptimeCounter::Milliseconds() {
  return tickCount64_ ? tickCount64_() : extender_.Extend(GetTickCount());
}
