#pragma once
#include "time/format_settings.h"

// Format settings of a few locales as the Windows layer reads them (time formats
// already in the clock's letters).
inline FormatSettings UsLocale() { return FormatSettings{}; }

inline FormatSettings GermanLocale() {
  FormatSettings fs;
  fs.dateSeparator = '.';
  fs.decimalSeparator = ',';
  fs.shortDateFormat = "dd.MM.yyyy";
  fs.longTimeFormat = "hh:nn:ss";
  fs.timeAMString = "";
  fs.timePMString = "";
  fs.shortMonthNames[2] = "Mrz";
  fs.longMonthNames[2] = "M\xe4rz";
  return fs;
}

inline FormatSettings IsoLocale() {
  FormatSettings fs;
  fs.dateSeparator = '-';
  fs.shortDateFormat = "yyyy-MM-dd";
  fs.longTimeFormat = "h:nn:ss";
  return fs;
}

// A locale whose AM/PM mark comes first and whose date has two-digit years.
inline FormatSettings MarkFirstLocale() {
  FormatSettings fs;
  fs.shortDateFormat = "yy/M/d";
  fs.longTimeFormat = "ampm h:nn:ss";
  fs.timeAMString = "vorm.";
  fs.timePMString = "nachm.";
  return fs;
}
