#include "time/timer_dialog.h"

TDateTime DurationShown(TDateTime pickerValue) {
  const DateTimeFields f = DecodeDateTime(pickerValue);
  return EncodeTime(f.hour, f.minute, f.second, f.millisecond).value_or(0);
}
