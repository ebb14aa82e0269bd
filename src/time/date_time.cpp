#include "time/date_time.h"

#include <cmath>
#include <cstdlib>

#include "base/round_half_away.h"

namespace {

// Civil-date arithmetic on days since 1 March of year 0 (proleptic Gregorian). The years
// 1 to 9999 and their days fit in 32 bits, whose divisions the 32-bit build makes inline.
constexpr int32_t kDay0FromEpoch = -25569;  // 1899-12-30 relative to 1970-01-01

int32_t DaysFromCivil1970(int32_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int32_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int32_t>(doe) - 719468;
}

void CivilFromDays1970(int32_t z, int& year, int& month, int& day) {
  z += 719468;
  const int32_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int32_t y = static_cast<int32_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(y + (month <= 2));
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<int32_t> DaysFromCivil(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    return std::nullopt;
  return DaysFromCivil1970(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kDay0FromEpoch;
}

std::optional<TDateTime> EncodeDate(int year, int month, int day) {
  auto days = DaysFromCivil(year, month, day);
  if (!days) return std::nullopt;
  return static_cast<TDateTime>(*days);
}

std::optional<TDateTime> EncodeTime(int hour, int minute, int second, int millisecond) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
      millisecond < 0 || millisecond > 999)
    return std::nullopt;
  return (((hour * 60 + minute) * 60 + second) * 1000.0 + millisecond) / kMsPerDay;
}

std::optional<TDateTime> EncodeDateTime(const DateTimeFields& f) {
  auto date = EncodeDate(f.year, f.month, f.day);
  auto time = EncodeTime(f.hour, f.minute, f.second, f.millisecond);
  if (!date || !time) return std::nullopt;
  // Before day 0 the fraction counts forward from the start of the day, away from zero.
  return *date < 0 ? *date - *time : *date + *time;
}

DateTimeFields DecodeDateTime(TDateTime value) {
  DateTimeFields f;
  if (!std::isfinite(value)) return f;
  double whole = std::trunc(value);
  // At most a day's milliseconds: 32 bits hold them.
  int32_t ms = static_cast<int32_t>(RoundHalfAway(std::fabs(value - whole) * kMsPerDay));
  if (ms >= static_cast<int32_t>(kMsPerDay)) {
    ms -= static_cast<int32_t>(kMsPerDay);
    whole += value < 0 ? -1 : 1;
  }
  // Dates outside the years 1 to 9999 keep day 0 rather than overflowing the calendar.
  if (whole >= -693593 && whole < 2958466)
    CivilFromDays1970(static_cast<int32_t>(whole) + kDay0FromEpoch, f.year, f.month, f.day);
  f.millisecond = ms % 1000;
  f.second = ms / 1000 % 60;
  f.minute = ms / 60000 % 60;
  f.hour = ms / 3600000;
  return f;
}

int DayOfWeek(TDateTime value) {
  const int64_t days = static_cast<int64_t>(std::trunc(value));
  // Day 0 (30 December 1899) was a Saturday.
  int64_t dow = (days + 6) % 7;
  if (dow < 0) dow += 7;
  return static_cast<int>(dow) + 1;
}

int64_t SecondOfYear(TDateTime value) { return SecondOfYear(value, DecodeDateTime(value)); }

int64_t SecondOfYear(TDateTime value, const DateTimeFields& f) {
  const int64_t dayOfYear =
      static_cast<int64_t>(std::trunc(value - EncodeDate(f.year, 1, 1).value_or(0.0))) + 1;
  return f.second + 60 * (f.minute + 60 * (f.hour + 24 * (dayOfYear - 1)));
}

int64_t WholeDaysBetween(TDateTime a, TDateTime b) {
  return static_cast<int64_t>(std::trunc(std::fabs(a - b)));
}

int64_t WholeSecondsBetween(TDateTime a, TDateTime b) {
  const double s = std::fabs(a - b) * kSecondsPerDay;
  return s < 9.2e18 ? static_cast<int64_t>(std::trunc(s)) : INT64_MAX;
}

TDateTime AddSeconds(TDateTime value, double seconds) {
  return (value * kSecondsPerDay + seconds) / kSecondsPerDay;
}
