#pragma once
#include "time/date_time.h"

// What frmTimer gives back on OK.
struct TimerDialogResult {
  TDateTime duration = 0;
  bool autoStart = true;
};

// GetDuration: day 0 plus the time of day dtpTime shows, a fraction of a day.
TDateTime DurationShown(TDateTime pickerValue);
