#pragma once
#include "time/zone_info.h"

// Zones shared by the zone tests.
inline SystemTimeRule YearlyRule(uint16_t month, uint16_t occurrence, uint16_t weekday, uint16_t hour) {
  SystemTimeRule r;
  r.wMonth = month;
  r.wDay = occurrence;
  r.wDayOfWeek = weekday;
  r.wHour = hour;
  return r;
}

// Bias 0, daylight from the last Sunday of March 01:00 to the last Sunday of October 02:00.
inline ZoneInformation NorthernZone() {
  ZoneInformation z;
  z.DaylightBias = -60;
  z.DaylightDate = YearlyRule(3, 5, 0, 1);
  z.StandardDate = YearlyRule(10, 5, 0, 2);
  return z;
}

// UTC+10, daylight from the first Sunday of October 02:00 to the first Sunday of April 03:00.
inline ZoneInformation SouthernZone() {
  ZoneInformation z;
  z.Bias = -600;
  z.DaylightBias = -60;
  z.DaylightDate = YearlyRule(10, 1, 0, 2);
  z.StandardDate = YearlyRule(4, 1, 0, 3);
  return z;
}
