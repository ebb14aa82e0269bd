#pragma once
#include <cstdint>
#include <optional>

#include "time/date_time.h"
#include "time/zone_info.h"

// The local moment a rule changes the clock in the given year; nullopt when the rule
// has no transition (month 0) or names an impossible date, weekday or time.
std::optional<TDateTime> RuleTransition(const SystemTimeRule& rule, int year);

// Daylight time runs from start to end, both in the local time in force just before
// each change; std and dst are the full biases in minutes.
struct YearTransitions {
  TDateTime start = 0, end = 0;
  int32_t std = 0, dst = 0;
};

// Fails when the zone has no daylight saving or either rule is unusable.
std::optional<YearTransitions> TransitionsOfYear(const ZoneInformation& zone, int year);

// Half-open intervals; a moment less than 0.1 ms below a bound counts as at that bound.
bool AtOrAfter(TDateTime x, TDateTime lower);
bool InInterval(TDateTime x, TDateTime lower, TDateTime upper);

// The year whose rules apply to a value: that of its date to the millisecond.
int YearOf(TDateTime value);

// The conversions below with the year's transitions already known; without them
// (nullopt) only the base bias applies.
TDateTime LocalToUtcWith(const std::optional<YearTransitions>& t, int32_t baseBias, bool preferDaylight,
                         TDateTime local);
TDateTime UtcToLocalWith(const std::optional<YearTransitions>& t, int32_t baseBias, TDateTime utc);

// A local time in the hour the clock skips has no UTC time: the result is 0.0. In the
// repeated hour preferDaylight picks the daylight reading.
TDateTime ZoneLocalToUtc(const ZoneInformation& zone, bool preferDaylight, TDateTime local);
TDateTime ZoneUtcToLocal(const ZoneInformation& zone, TDateTime utc);
