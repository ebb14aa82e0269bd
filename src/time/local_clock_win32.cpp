#include "time/local_clock_win32.h"

#include <windows.h>

TDateTime LocalWallClock::Now() const {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return EncodeDateTime({st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds})
      .value_or(0.0);
}

UptimeCounter::UptimeCounter() {
  // GetTickCount64 exists from Windows Vista on; older systems get the widened 32-bit count.
  tickCount64_ = reinterpret_cast<TickCount64Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount64")));
}

uint64_t UptimeCounter::Milliseconds() {
  return tickCount64_ ? tickCount64_() : extender_.Extend(GetTickCount());
}
