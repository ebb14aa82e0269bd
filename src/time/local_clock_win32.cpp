#include "time/local_clock_win32.h"

#include <windows.h>

#include "base/library_entry_win32.h"
#include "time/system_time_convert_win32.h"

TDateTime LocalWallClock::Now() const { return LocalTimeNow(); }
TDateTime LocalWallClock::UtcNow() const { return UtcTimeNow(); }

UptimeCounter::UptimeCounter() {
  // GetTickCount64 exists from Windows Vista on; older systems get the widened 32-bit count.
  tickCount64_ = LibraryEntry<TickCount64Fn>(GetModuleHandleW(L"kernel32.dll"), "GetTickCount64");
}

uint64_t UptimeCounter::Milliseconds() {
  return tickCount64_ ? tickCount64_() : extender_.Extend(GetTickCount());
}
