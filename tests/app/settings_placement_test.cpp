#include "app/settings_placement.h"

#include <gtest/gtest.h>

#include "support/memory_storage.h"

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
