#include "app/settings_codec.h"

#include <gtest/gtest.h>

#include <cmath>

#include "time/date_parse.h"
#include "time/settings_test_locales.h"

TEST(SettingsCodec, Integers) {
  struct Case {
    const char* text;
    std::optional<int32_t> value;
  };
  const Case cases[] = {
      {"0", 0},           {"-1", -1},          {"42", 42},       {" 7 ", 7},           {"+5", 5},
      {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"2147483648", std::nullopt},
      {"", std::nullopt}, {"abc", std::nullopt}, {"1.5", std::nullopt}, {"12x", std::nullopt},
      {"+-3", std::nullopt}, {"-", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeInt(c.text), c.value) << '"' << c.text << '"';
  EXPECT_EQ(EncodeInt(-1), "-1");
  EXPECT_EQ(EncodeInt(4294967295u), "4294967295");
}

TEST(SettingsCodec, Booleans) {
  EXPECT_EQ(EncodeBoolName(true), "True");
  EXPECT_EQ(EncodeBoolName(false), "False");
  EXPECT_EQ(EncodeBoolNumber(true), "-1");
  EXPECT_EQ(EncodeBoolNumber(false), "0");
  struct Case {
    const char* text;
    std::optional<bool> byName, byText;
  };
  const Case cases[] = {
      {"True", true, true},          {"false", false, false},      {"TRUE", true, true},
      {"-1", std::nullopt, true},    {"0", std::nullopt, false},   {"1", std::nullopt, true},
      {"0.0", std::nullopt, false},  {"yes", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt}, {"Truee", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeBoolName(c.text), c.byName) << c.text;
    EXPECT_EQ(DecodeBoolText(c.text), c.byText) << c.text;
  }
}

TEST(SettingsCodec, NumbersInGeneralFormatWithFifteenDigits) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0, "0"},
      {46000.5, "46000.5"},
      {-2.25, "-2.25"},
      {10.0 / 86400, "0.000115740740740741"},
      {5.0 / 86400000 * 1000, "5.78703703703704E-5"},
      {0.0001, "0.0001"},
      {0.00001, "1E-5"},
      {-0.000012, "-1.2E-5"},
      {123456789012345.0, "123456789012345"},
      {1e15, "1E15"},
      {1.0 / 3, "0.333333333333333"},
      {46000.123456789012, "46000.123456789"},
      {100, "100"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodeFloat(c.value), c.text) << c.value;
    const auto back = DecodeFloat(c.text);
    ASSERT_TRUE(back.has_value()) << c.text;
    EXPECT_NEAR(*back, c.value, std::fabs(c.value) * 1e-14) << c.text;
  }
}

TEST(SettingsCodec, NumbersReadOnlyWithAPoint) {
  EXPECT_EQ(DecodeFloat(" 1.5e2 "), 150.0);
  EXPECT_EQ(DecodeFloat("-0.25"), -0.25);
  for (const char* bad : {"", "1,5", "abc", "1.5x", "inf", "nan", "0x10", "1e999"})
    EXPECT_FALSE(DecodeFloat(bad).has_value()) << bad;
  EXPECT_EQ(EncodeFloat(NAN), "0");
}

TEST(SettingsCodec, DateTimeTextLeavesOutTheEmptyPart) {
  const TDateTime day = EncodeDate(2026, 12, 8).value();
  struct Case {
    const char* name;
    FormatSettings fs;
    TDateTime value;
    const char* text;
  };
  const Case cases[] = {
      {"date and time", UsLocale(), day + 0.75, "12/8/2026 6:00:00 PM"},
      {"timer length, no leading hour zero", UsLocale(), 10.0 / 86400, "12:00:10 AM"},
      {"timer length, 24-hour locale", GermanLocale(), 10.0 / 86400, "00:00:10"},
      {"iso timer length", IsoLocale(), 90.0 / 86400, "0:01:30"},
      {"exactly midnight", UsLocale(), day, "12/8/2026"},
      {"german date and time", GermanLocale(), day + 0.5, "08.12.2026 12:00:00"},
      {"day 0 exactly", GermanLocale(), 0, "00:00:00"},
  };
  for (const Case& c : cases) {
    const std::string text = EncodeDateTimeText(c.value, c.fs);
    EXPECT_EQ(text, c.text) << c.name;
    const auto back = ParseDateTime(text, c.fs);
    ASSERT_TRUE(back.has_value()) << c.name;
    EXPECT_NEAR(*back, c.value, 1e-9) << c.name;
  }
}
