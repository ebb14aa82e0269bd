#include "time/zone_converter.h"

TDateTime ZoneConverter::LocalToUtc(bool preferDaylight, TDateTime local) {
  return LocalToUtcWith(TransitionsFor(local), zone_.Bias, preferDaylight, local);
}

TDateTime ZoneConverter::UtcToLocal(TDateTime utc) {
  return UtcToLocalWith(TransitionsFor(utc), zone_.Bias, utc);
}

const std::optional<YearTransitions>& ZoneConverter::TransitionsFor(TDateTime value) {
  if (value >= sureFrom_ && value < sureTo_) return transitions_;
  const int year = YearOf(value);
  if (kept_ && year == year_) return transitions_;
  kept_ = true;
  year_ = year;
  transitions_ = TransitionsOfYear(zone_, year);
  // A year's dates decode to the millisecond, so the last millisecond before the next
  // New Year may round into it: that one and dates before day 0 (whose fraction counts
  // the other way) are decoded each time.
  const auto from = EncodeDate(year, 1, 1), to = EncodeDate(year + 1, 1, 1);
  if (from && to && *from >= 0) {
    sureFrom_ = *from;
    sureTo_ = *to - 1 / kMsPerDay;
  } else {
    sureFrom_ = sureTo_ = 0;
  }
  return transitions_;
}
