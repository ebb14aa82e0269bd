#pragma once
#include <cstdint>
#include <optional>

// Days since 30 December 1899; the fraction is the time of day. Durations use the same unit.
using TDateTime = double;

constexpr double kMsPerDay = 86400000.0;
constexpr double kSecondsPerDay = 86400.0;

struct DateTimeFields {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Whole days from day 0 to the given civil date; nullopt for an impossible date.
std::optional<int32_t> DaysFromCivil(int year, int month, int day);
std::optional<TDateTime> EncodeDate(int year, int month, int day);
std::optional<TDateTime> EncodeTime(int hour, int minute, int second, int millisecond);
std::optional<TDateTime> EncodeDateTime(const DateTimeFields& f);

// Time-of-day fields are those of the magnitude of the fraction, so a negative
// duration reads like its absolute value; the date is that of the whole part.
DateTimeFields DecodeDateTime(TDateTime value);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime value);

int64_t SecondOfYear(TDateTime value);
// The same of a value already decoded: f is DecodeDateTime(value).
int64_t SecondOfYear(TDateTime value, const DateTimeFields& f);
int64_t WholeDaysBetween(TDateTime a, TDateTime b);
int64_t WholeSecondsBetween(TDateTime a, TDateTime b);
TDateTime AddSeconds(TDateTime value, double seconds);
