#pragma once
#include "time/date_time.h"

// The values of frmCountdown's two pickers: dtpDate shows the date, dtpTime the time of day.
struct CountdownPickers {
  TDateTime date = 0;
  TDateTime time = 0;
};

// dtpDate takes the target's date (keeping its own time of day), dtpTime its time
// of day (keeping its own date).
void SetTarget(CountdownPickers& pickers, TDateTime target);
// The date of dtpDate with the time of day of dtpTime.
TDateTime GetTarget(const CountdownPickers& pickers);
