#include "app/settings_placement.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/memory_storage.h"
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

namespace {

FormPlacement Screen1920() {
  FormPlacement p;
  p.flags = 0;
  p.showCmd = 1;
  p.normal = {286, 171, 478, 363};  // 192 x 192
  p.screenWidth = 1920;
  p.screenHeight = 1080;
  p.pixelsPerInch = 96;
  p.monitors = {{0, 0, 1920, 1080}};
  return p;
}

}  // namespace

TEST(SettingsPlacement, WritesThePositionValuesInOrder) {
  MemoryStorage storage;
  FormPlacement p = Screen1920();
  p.showCmd = 2;
  p.flags = 2;
  p.minPosition = {-32000, -32000};
  p.normal = {10, 20, 202, 212};
  WriteFormPosition(*storage.OpenForWrite("S"), p);
  const std::vector<std::string> order{"Flags",   "ShowCmd",            "PixelsPerInch", "MinMaxPos(1920x1080)",
                                       "MinMaxPos", "NormPos(1920x1080)", "NormPos",       "Visible"};
  EXPECT_EQ(storage.WriteOrder(), order);
  auto& v = storage.Section("S");
  EXPECT_EQ(v["Flags"], "2");
  EXPECT_EQ(v["ShowCmd"], "2");
  EXPECT_EQ(v["PixelsPerInch"], "96");
  EXPECT_EQ(v["MinMaxPos(1920x1080)"], "-32000,-32000,-1,-1");
  EXPECT_EQ(v["NormPos"], "10,20,202,212");
  EXPECT_EQ(v["Visible"], "0");
  EXPECT_EQ(StoredValueName("StopWatch1.StartTime"), "StopWatch1_StartTime");
  EXPECT_EQ(StoredValueName("a.b.c"), "a_b.c");
}

TEST(SettingsPlacement, RestoreRules) {
  struct Case {
    const char* name;
    MemoryStorage::Values values;
    std::optional<FormRect> expected;  // nullopt: nothing applied
  };
  const Case cases[] = {
      {"nothing stored", {}, std::nullopt},
      {"plain name", {{"NormPos", "100,50,0,0"}}, FormRect{100, 50, 292, 242}},
      {"current screen size first",
       {{"NormPos", "1,1,2,2"}, {"NormPos(1920x1080)", "300,400,1,1"}},
       FormRect{300, 400, 492, 592}},
      {"a position for another screen size is not used",
       {{"NormPos(1024x768)", "5,5,5,5"}, {"NormPos", "7,8,0,0"}},
       FormRect{7, 8, 199, 200}},
      {"only another screen size", {{"NormPos(1024x768)", "5,5,5,5"}}, std::nullopt},
      {"other pixels per inch", {{"NormPos", "100,50,0,0"}, {"PixelsPerInch", "120"}}, std::nullopt},
      {"same pixels per inch", {{"NormPos", "100,50,0,0"}, {"PixelsPerInch", "96"}}, FormRect{100, 50, 292, 242}},
      {"garbled pixels per inch counts as current",
       {{"NormPos", "100,50,0,0"}, {"PixelsPerInch", "lots"}},
       FormRect{100, 50, 292, 242}},
      {"each number has its own default", {{"NormPos", "x,60"}}, FormRect{286, 60, 478, 252}},
      {"min/max alone keeps the current rectangle", {{"MinMaxPos", "1,2,3,4"}}, FormRect{286, 171, 478, 363}},
      {"partly off screen is kept", {{"NormPos", "1800,-100,0,0"}}, FormRect{1800, -100, 1992, 92}},
      {"wholly off every monitor", {{"NormPos", "5000,5000,0,0"}}, std::nullopt},
      {"left of every monitor", {{"NormPos", "-192,0,0,0"}}, std::nullopt},
  };
  for (const Case& c : cases) {
    MemoryStorage storage;
    storage.Section("S") = c.values;
    const auto got = ReadFormPosition(*storage.OpenForRead("S"), Screen1920());
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.name;
    if (!got) continue;
    EXPECT_EQ(got->normal.left, c.expected->left) << c.name;
    EXPECT_EQ(got->normal.top, c.expected->top) << c.name;
    EXPECT_EQ(got->normal.right, c.expected->right) << c.name;
    EXPECT_EQ(got->normal.bottom, c.expected->bottom) << c.name;
  }
}

TEST(SettingsPlacement, RestoresFlagsAndMinMaxPositions) {
  MemoryStorage storage;
  storage.Section("S") = {{"Flags", "2"}, {"MinMaxPos", "1,2,3,x"}, {"NormPos", "0,0,0,0"}, {"ShowCmd", "7"}};
  FormPlacement current = Screen1920();
  current.maxPosition = {-1, -9};
  const auto got = ReadFormPosition(*storage.OpenForRead("S"), current);
  ASSERT_TRUE(got.has_value());
  EXPECT_EQ(got->flags, 2u);
  EXPECT_EQ(got->minPosition.x, 1);
  EXPECT_EQ(got->minPosition.y, 2);
  EXPECT_EQ(got->maxPosition.x, 3);
  EXPECT_EQ(got->maxPosition.y, -9);
  EXPECT_EQ(got->showCmd, 1) << "the show command is not read back";
}

TEST(SettingsPlacement, AZeroSizedWindowIsNotPlaced) {
  MemoryStorage storage;
  storage.Section("S") = {{"NormPos", "10,10,500,500"}};
  FormPlacement current = Screen1920();
  current.normal = {0, 0, 0, 0};
  EXPECT_FALSE(ReadFormPosition(*storage.OpenForRead("S"), current).has_value());
}
