#include "time/zone_info.h"

#include <gtest/gtest.h>

#include "time/zone_test_zones.h"

namespace {

std::vector<uint8_t> TziBytes() {
  // Bias -60, StandardBias 0, DaylightBias -60; standard: last Sunday of October 03:00;
  // daylight: last Sunday of March 02:00.
  return {0xC4, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xC4, 0xFF, 0xFF, 0xFF,
          0, 0, 10, 0, 0, 0, 5, 0, 3, 0, 0, 0, 0, 0, 0, 0,
          0, 0, 3, 0, 0, 0, 5, 0, 2, 0, 0, 0, 0, 0, 0, 0};
}

}  // namespace

TEST(ZoneInfo, ParsesTheFortyFourByteTziOnly) {
  const auto info = ParseTzi(TziBytes());
  ASSERT_TRUE(info);
  EXPECT_EQ(info->Bias, -60);
  EXPECT_EQ(info->StandardBias, 0);
  EXPECT_EQ(info->DaylightBias, -60);
  EXPECT_EQ(info->StandardDate, YearlyRule(10, 5, 0, 3));
  EXPECT_EQ(info->DaylightDate, YearlyRule(3, 5, 0, 2));
  EXPECT_EQ(ZoneName(info->StandardName), u"");

  for (size_t size : {0u, 43u, 45u, 172u}) {
    std::vector<uint8_t> bytes = TziBytes();
    bytes.resize(size);
    EXPECT_FALSE(ParseTzi(bytes)) << size;
  }
}

TEST(ZoneInfo, EqualityLooksAtEveryFieldAndNamesCaseSensitively) {
  const ZoneInformation base = [] {
    ZoneInformation z = NorthernZone();
    SetZoneName(z.StandardName, u"GMT Standard Time");
    SetZoneName(z.DaylightName, u"GMT Daylight Time");
    return z;
  }();
  EXPECT_EQ(base, base);
  const struct {
    const char* what;
    void (*change)(ZoneInformation&);
  } changes[] = {
      {"bias", [](ZoneInformation& z) { z.Bias = 1; }},
      {"standard bias", [](ZoneInformation& z) { z.StandardBias = 1; }},
      {"daylight bias", [](ZoneInformation& z) { z.DaylightBias = 0; }},
      {"standard rule ms", [](ZoneInformation& z) { z.StandardDate.wMilliseconds = 1; }},
      {"daylight rule year", [](ZoneInformation& z) { z.DaylightDate.wYear = 2024; }},
      {"standard name case", [](ZoneInformation& z) { SetZoneName(z.StandardName, u"gmt Standard Time"); }},
      {"daylight name", [](ZoneInformation& z) { SetZoneName(z.DaylightName, u"GMT Daylight"); }},
  };
  for (const auto& c : changes) {
    ZoneInformation other = base;
    c.change(other);
    EXPECT_NE(base, other) << c.what;
  }
  // What lies after a name's terminator is not part of it.
  ZoneInformation leftovers = base;
  leftovers.StandardName[30] = u'x';
  leftovers.DaylightName[31] = u'y';
  EXPECT_EQ(base, leftovers);
}

TEST(ZoneInfo, NamesOfMoreThanThirtyOneUnitsAreNotKept) {
  ZoneInformation z;
  EXPECT_TRUE(SetZoneName(z.StandardName, std::u16string(31, u'x')));
  EXPECT_EQ(ZoneName(z.StandardName).size(), 31u);
  EXPECT_FALSE(SetZoneName(z.StandardName, std::u16string(32, u'y')));
  EXPECT_EQ(ZoneName(z.StandardName), std::u16string(31, u'x'));
  // A field the platform filled without a terminator still reads as 32 units.
  std::fill(std::begin(z.DaylightName), std::end(z.DaylightName), u'z');
  EXPECT_EQ(ZoneName(z.DaylightName).size(), 32u);
}

TEST(ZoneInfo, ActiveBiasFollowsThePlatformsAnswer) {
  ZoneInformation z = SouthernZone();
  z.StandardBias = 5;
  EXPECT_EQ(ActiveBiasMinutes(z, ZoneTimeKind::Daylight), -660);
  EXPECT_EQ(ActiveBiasMinutes(z, ZoneTimeKind::Standard), -595);
  EXPECT_EQ(ActiveBiasMinutes(z, ZoneTimeKind::Unknown), -600);
}
