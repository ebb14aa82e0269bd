#pragma once
#include <windows.h>

#include "time/date_time.h"

// The platform's SYSTEMTIME fields as our date-time value (0.0 when they name no date), and back.
TDateTime FromSystemTime(const SYSTEMTIME& st);
SYSTEMTIME ToSystemTime(TDateTime value);

// The machine's local time now, and its UTC.
TDateTime LocalTimeNow();
TDateTime UtcTimeNow();
