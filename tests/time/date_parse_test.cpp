#include "time/date_parse.h"

#include <gtest/gtest.h>

#include <optional>

#include "time/date_format.h"
#include "time/settings_test_locales.h"

namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return EncodeDateTime({y, mo, d, h, mi, s, ms}).value();
}
// Its short date ends with the separator and has blanks after each one.
FormatSettings HungarianLocale() {
  FormatSettings fs = GermanLocale();
  fs.shortDateFormat = "yyyy. MM. dd.";
  return fs;
}

TDateTime Time(int h, int mi, int s, int ms = 0) { return EncodeTime(h, mi, s, ms).value(); }

}  // namespace

TEST(DateParse, ReadsWhatTheLocaleWrites) {
  struct Case {
    const char* name;
    FormatSettings fs;
    const char* text;
    TDateTime expected;
  };
  const Case cases[] = {
      {"us date and time", UsLocale(), "12/8/2026 7:08:09 AM", At(2026, 12, 8, 7, 8, 9)},
      {"us afternoon", UsLocale(), "12/8/2026 7:08:09 PM", At(2026, 12, 8, 19, 8, 9)},
      {"us noon", UsLocale(), "3/1/2024 12:00:00 PM", At(2024, 3, 1, 12)},
      {"us after midnight", UsLocale(), "3/1/2024 12:30:00 AM", At(2024, 3, 1, 0, 30)},
      {"us date alone", UsLocale(), "2/29/2024", At(2024, 2, 29)},
      {"us time alone", UsLocale(), "0:00:10", Time(0, 0, 10)},
      {"us time with mark", UsLocale(), "1:30:00 pm", Time(13, 30, 0)},
      {"us blanks around", UsLocale(), "  12/8/2026   7:08  ", At(2026, 12, 8, 7, 8)},
      {"milliseconds", UsLocale(), "1/2/2020 3:04:05.6", At(2020, 1, 2, 3, 4, 5, 600)},
      {"german", GermanLocale(), "08.12.2026 19:08:09", At(2026, 12, 8, 19, 8, 9)},
      {"german time alone", GermanLocale(), "00:01:30", Time(0, 1, 30)},
      {"german month name", GermanLocale(), "08.M\xe4rz.2026", At(2026, 3, 8)},
      {"german short month name", GermanLocale(), "8.mrz.2026", At(2026, 3, 8)},
      {"iso", IsoLocale(), "2026-12-08 7:08:09", At(2026, 12, 8, 7, 8, 9)},
      {"mark first", MarkFirstLocale(), "26/12/8 nachm. 7:08:09", At(2026, 12, 8, 19, 8, 9)},
      {"mark first, morning", MarkFirstLocale(), "vorm. 12:05:00", Time(0, 5, 0)},
      {"mark before 24-hour hours", MarkFirstLocale(), "nachm. 23:59:59", Time(23, 59, 59)},
      {"hour 0 with a mark", UsLocale(), "0:10:00 AM", Time(0, 10, 0)},
      {"trailing date separator", HungarianLocale(), "2026. 12. 08. 10:00:00", At(2026, 12, 8, 10)},
      {"before day 0", UsLocale(), "12/29/1899 6:00:00 AM", -1.25},
  };
  for (const Case& c : cases) {
    const std::optional<TDateTime> got = ParseDateTime(c.text, c.fs);
    ASSERT_TRUE(got.has_value()) << c.name;
    EXPECT_NEAR(*got, c.expected, 1e-9) << c.name;
  }
}

TEST(DateParse, RejectsWhatIsNotADateAndTime) {
  struct Case {
    const char* name;
    FormatSettings fs;
    const char* text;
  };
  const Case cases[] = {
      {"empty", UsLocale(), ""},
      {"blank", UsLocale(), "   "},
      {"words", UsLocale(), "tomorrow"},
      {"german text in a us locale", UsLocale(), "25.12.2026 10:00:00"},
      {"us text in a german locale", GermanLocale(), "12/25/2026 10:00:00 PM"},
      {"no such day", UsLocale(), "2/30/2024"},
      {"month 13", UsLocale(), "13/1/2024"},
      {"hour 24", UsLocale(), "1/1/2024 24:00:00"},
      {"minute 60", UsLocale(), "1:60:00"},
      {"trailing garbage", UsLocale(), "1/1/2024 1:00:00 AM x"},
      {"two date numbers", UsLocale(), "1/1"},
      {"hour alone", UsLocale(), "10"},
      {"huge number", UsLocale(), "1/1/99999999999"},
      {"four millisecond digits", UsLocale(), "1:02:03.4567"},
      {"dangling separator", UsLocale(), "1/1/2024 10:"},
  };
  for (const Case& c : cases) EXPECT_FALSE(ParseDateTime(c.text, c.fs).has_value()) << c.name;
}

TEST(DateParse, TwoDigitYearsAreInThisCentury) {
  FormatSettings fs = UsLocale();
  fs.shortDateFormat = "M/d/yy";
  EXPECT_EQ(ParseDateTime("12/8/26", fs), At(2026, 12, 8));
  EXPECT_EQ(ParseDateTime("1/1/99", fs), At(2099, 1, 1));
}

TEST(DateParse, RoundTripsTheShortDateAndLongTimeInEveryLocale) {
  const FormatSettings locales[] = {UsLocale(), GermanLocale(), IsoLocale(), MarkFirstLocale()};
  const TDateTime values[] = {At(2026, 12, 8, 7, 8, 9), At(2024, 2, 29, 23, 59, 59), At(2030, 1, 1, 12, 0, 1),
                              At(2001, 7, 4, 0, 0, 1), At(2026, 3, 8)};
  for (const FormatSettings& fs : locales) {
    for (TDateTime v : values) {
      const std::string text = FormatDateTime("c", v, fs);
      EXPECT_EQ(ParseDateTime(text, fs), v) << text;
    }
  }
}
