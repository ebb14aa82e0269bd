#include "time/date_format.h"

#include <gtest/gtest.h>

namespace {
double At(int h, int n, int s, int ms = 0) {
  return EncodeDateTime({2026, 12, 8, h, n, s, ms}).value();
}
}  // namespace

TEST(DateFormat, ClockFormats) {
  const FormatSettings fs;
  struct Case { const char* format; double value; const char* expected; };
  const Case cases[] = {
      {"hh:nn:ss am/pm", At(21, 5, 3), "09:05:03 pm"},
      {"hh:nn:ss am/pm", At(0, 30, 0), "12:30:00 am"},
      {"hh:nn:ss am/pm", At(12, 1, 2), "12:01:02 pm"},
      {"H:nn:ss", At(9, 5, 3), "9:05:03"},
      {"H:nn:ss", At(21, 5, 3), "21:05:03"},
      {"am/pm", At(11, 59, 59), "am"},
      {"AM/PM", At(13, 0, 0), "PM"},
      {"a/p", At(13, 0, 0), "p"},
      {"h:mm ampm", At(13, 7, 0), "1:07 PM"},
      {"mmm dd", At(1, 0, 0), "Dec 08"},
      {"dddd", At(1, 0, 0), "Tuesday"},
      {"ddd d mmmm yyyy", At(1, 0, 0), "Tue 8 December 2026"},
      {"yy/mm/dd", At(1, 0, 0), "26/12/08"},
      {"'h' hh \"nn\" zzz", At(7, 0, 0, 45), "h 07 nn 045"},
      {"c", At(7, 8, 9), "12/8/2026 7:08:09 AM"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatDateTime(c.format, c.value, fs), c.expected) << c.format;
}

TEST(DateFormat, LocaleNamesAndSeparators) {
  FormatSettings fs;
  fs.timeSeparator = '.';
  fs.dateSeparator = '-';
  fs.shortMonthNames[11] = "dez";
  fs.longDayNames[2] = "dienstag";
  EXPECT_EQ(FormatDateTime("H:nn:ss", At(9, 5, 3), fs), "9.05.03");
  EXPECT_EQ(FormatDateTime("dd/mmm dddd", At(9, 5, 3), fs), "08-dez dienstag");
}

TEST(DateFormat, SelfReferringLocaleFormatEnds) {
  FormatSettings fs;
  fs.shortDateFormat = "ddddd";
  EXPECT_EQ(FormatDateTime("ddddd", At(1, 0, 0), fs), "");
}
