#pragma once
#include <array>
#include <string>

// The user's locale, as the Windows layer reads it; the defaults are those of en-US.
struct FormatSettings {
  char dateSeparator = '/';
  char timeSeparator = ':';
  char decimalSeparator = '.';
  std::string shortDateFormat = "M/d/yyyy";
  std::string longDateFormat = "dddd, MMMM d, yyyy";
  std::string shortTimeFormat = "h:mm AMPM";
  std::string longTimeFormat = "h:mm:ss AMPM";
  std::string timeAMString = "AM";
  std::string timePMString = "PM";
  std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> longMonthNames{"January", "February", "March",     "April",
                                             "May",     "June",     "July",      "August",
                                             "September", "October", "November", "December"};
  // Sunday first.
  std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> longDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
};
