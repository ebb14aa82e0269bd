#include "time/countdown_dialog.h"

namespace {

// The date fields of one value with the time-of-day fields of another.
TDateTime Combine(TDateTime dateOf, TDateTime timeOf) {
  DateTimeFields f = DecodeDateTime(dateOf);
  const DateTimeFields t = DecodeDateTime(timeOf);
  f.hour = t.hour;
  f.minute = t.minute;
  f.second = t.second;
  f.millisecond = t.millisecond;
  return EncodeDateTime(f).value_or(dateOf);
}

}  // namespace

void SetTarget(CountdownPickers& pickers, TDateTime target) {
  pickers.date = Combine(target, pickers.date);
  pickers.time = Combine(pickers.time, target);
}

TDateTime GetTarget(const CountdownPickers& pickers) { return Combine(pickers.date, pickers.time); }
