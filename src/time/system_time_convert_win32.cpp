#include "time/system_time_convert_win32.h"

TDateTime FromSystemTime(const SYSTEMTIME& st) {
  return EncodeDateTime({st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds})
      .value_or(0.0);
}

SYSTEMTIME ToSystemTime(TDateTime value) {
  const DateTimeFields f = DecodeDateTime(value);
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(f.year);
  st.wMonth = static_cast<WORD>(f.month);
  st.wDayOfWeek = static_cast<WORD>(DayOfWeek(value) - 1);
  st.wDay = static_cast<WORD>(f.day);
  st.wHour = static_cast<WORD>(f.hour);
  st.wMinute = static_cast<WORD>(f.minute);
  st.wSecond = static_cast<WORD>(f.second);
  st.wMilliseconds = static_cast<WORD>(f.millisecond);
  return st;
}

TDateTime LocalTimeNow() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return FromSystemTime(st);
}

TDateTime UtcTimeNow() {
  SYSTEMTIME st;
  GetSystemTime(&st);
  return FromSystemTime(st);
}
