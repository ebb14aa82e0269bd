#pragma once
#include <string>

#include "time/date_time.h"
#include "time/format_settings.h"

// Formats a date-time with the clock's format letters (case-insensitive):
//   d dd ddd dddd ddddd dddddd   day, short/long day name, short/long date
//   m mm mmm mmmm                month, short/long month name (minutes right after an hour)
//   yy yyyy  h hh  n nn  s ss  z zzz  t tt  c
//   am/pm a/p ampm               12-hour clock; the text keeps the letter case written
//   / :                          the locale's separators; '...' and "..." are literal
std::string FormatDateTime(const std::string& format, TDateTime value, const FormatSettings& fs);
