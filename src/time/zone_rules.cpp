#include "time/zone_rules.h"

#include <cmath>

namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr double kTolerance = 1.0 / 864000000.0;  // 0.1 ms in days

std::optional<TDateTime> YearlyRuleDate(const SystemTimeRule& rule, int year) {
  const int month = rule.wMonth, n = rule.wDay;
  if (month < 1 || month > 12 || rule.wDayOfWeek > 6) return std::nullopt;
  const int d = rule.wDayOfWeek + 1;  // 1 = Sunday
  int day;
  if (n >= 1 && n <= 4) {
    const auto first = EncodeDate(year, month, 1);
    if (!first) return std::nullopt;
    int firstDay = d + 1 - DayOfWeek(*first);
    if (firstDay <= 0) firstDay += 7;
    day = firstDay + 7 * (n - 1);
  } else if (n == 5) {
    const int last = DaysInMonth(year, month);
    const auto lastDate = EncodeDate(year, month, last);
    if (!lastDate) return std::nullopt;
    day = d - DayOfWeek(*lastDate) + last;
    if (day > last) day -= 7;
  } else {
    // An occurrence outside 1-5 is a broken rule, not a change on day zero.
    return std::nullopt;
  }
  return EncodeDate(year, month, day);
}

}  // namespace

int YearOf(TDateTime value) { return DecodeDateTime(value).year; }

std::optional<TDateTime> RuleTransition(const SystemTimeRule& rule, int year) {
  if (rule.wMonth == 0) return std::nullopt;
  const auto time = EncodeTime(rule.wHour, rule.wMinute, rule.wSecond, rule.wMilliseconds);
  if (!time) return std::nullopt;
  if (rule.wYear != 0) {
    const auto date = EncodeDate(rule.wYear, rule.wMonth, rule.wDay);
    if (!date) return std::nullopt;
    return *date + *time;
  }
  const auto date = YearlyRuleDate(rule, year);
  if (!date) return std::nullopt;
  return *date + *time;
}

std::optional<YearTransitions> TransitionsOfYear(const ZoneInformation& zone, int year) {
  if (zone.DaylightDate.wMonth == 0 || zone.StandardDate.wMonth == 0) return std::nullopt;
  const auto start = RuleTransition(zone.DaylightDate, year);
  const auto end = RuleTransition(zone.StandardDate, year);
  if (!start || !end) return std::nullopt;
  return YearTransitions{*start, *end, zone.Bias + zone.StandardBias, zone.Bias + zone.DaylightBias};
}

bool AtOrAfter(TDateTime x, TDateTime lower) {
  return x > lower || std::fabs(x - lower) < kTolerance;
}

bool InInterval(TDateTime x, TDateTime lower, TDateTime upper) {
  // The bound that closes an interval opens the next one, so it gets the same allowance:
  // a moment computed a hair below a change belongs to the time after it.
  return AtOrAfter(x, lower) && !AtOrAfter(x, upper);
}

TDateTime LocalToUtcWith(const std::optional<YearTransitions>& t, int32_t baseBias, bool preferDaylight,
                         TDateTime local) {
  if (!t) return local + baseBias / kMinutesPerDay;
  const double shift = (t->std - t->dst) / kMinutesPerDay;
  const bool dstBehind = t->dst < t->std;  // daylight time puts the clock forward

  const bool repeated = (dstBehind ? InInterval(local, t->end - shift, t->end)
                                   : InInterval(local, t->start + shift, t->start));
  if (repeated) return local + (preferDaylight ? t->dst : t->std) / kMinutesPerDay;

  const bool skipped = (dstBehind ? InInterval(local, t->start, t->start + shift)
                                  : InInterval(local, t->end, t->end - shift));
  if (skipped) return 0.0;

  bool daylight;
  if (t->start < t->end)
    daylight = InInterval(local, t->start, t->end);
  else  // southern hemisphere: daylight time spans the turn of the year
    daylight = !InInterval(local, t->end, t->start);
  return local + (daylight ? t->dst : t->std) / kMinutesPerDay;
}

TDateTime UtcToLocalWith(const std::optional<YearTransitions>& t, int32_t baseBias, TDateTime utc) {
  if (!t) return utc - baseBias / kMinutesPerDay;
  const TDateTime startU = t->start + t->std / kMinutesPerDay;
  const TDateTime endU = t->end + t->dst / kMinutesPerDay;
  bool daylight;
  if (startU < endU)
    daylight = InInterval(utc, startU, endU);
  else
    daylight = !InInterval(utc, endU, startU);
  return utc - (daylight ? t->dst : t->std) / kMinutesPerDay;
}

TDateTime ZoneLocalToUtc(const ZoneInformation& zone, bool preferDaylight, TDateTime local) {
  return LocalToUtcWith(TransitionsOfYear(zone, YearOf(local)), zone.Bias, preferDaylight, local);
}

TDateTime ZoneUtcToLocal(const ZoneInformation& zone, TDateTime utc) {
  return UtcToLocalWith(TransitionsOfYear(zone, YearOf(utc)), zone.Bias, utc);
}
