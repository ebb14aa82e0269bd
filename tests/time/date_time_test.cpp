#include "time/date_time.h"

#include <gtest/gtest.h>

TEST(DateTime, EncodesAndDecodesCalendarEdges) {
  struct Case { int y, m, d; double days; };
  const Case cases[] = {
      {1899, 12, 30, 0}, {1899, 12, 31, 1}, {1900, 1, 1, 2}, {1900, 3, 1, 61},
      {2000, 2, 29, 36585}, {2026, 12, 8, 46364}, {1899, 12, 29, -1}, {9999, 12, 31, 2958465}};
  for (const Case& c : cases) {
    ASSERT_EQ(EncodeDate(c.y, c.m, c.d).value(), c.days) << c.y << "-" << c.m << "-" << c.d;
    const DateTimeFields f = DecodeDateTime(c.days);
    EXPECT_EQ(f.year, c.y);
    EXPECT_EQ(f.month, c.m);
    EXPECT_EQ(f.day, c.d);
  }
  EXPECT_FALSE(EncodeDate(1900, 2, 29));
  EXPECT_FALSE(EncodeDate(2026, 4, 31));
  EXPECT_FALSE(EncodeTime(24, 0, 0, 0));
}

TEST(DateTime, TimeFieldsRoundToTheMillisecondAndCarry) {
  const double t = EncodeDateTime({2026, 12, 8, 23, 59, 59, 999}).value();
  DateTimeFields f = DecodeDateTime(t);
  EXPECT_EQ(f.hour, 23);
  EXPECT_EQ(f.millisecond, 999);
  // A value a hair below midnight rounds to midnight of the next day.
  f = DecodeDateTime(46365.0 - 1e-10);
  EXPECT_EQ(f.day, 9);
  EXPECT_EQ(f.hour, 0);
  // A negative duration reads as its magnitude.
  f = DecodeDateTime(-(90.5 / 86400.0));
  EXPECT_EQ(f.minute, 1);
  EXPECT_EQ(f.second, 30);
  EXPECT_EQ(f.millisecond, 500);
}

TEST(DateTime, DayOfWeekAndSecondOfYear) {
  EXPECT_EQ(DayOfWeek(0), 7);                          // Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 8).value()), 3);  // Tuesday
  EXPECT_EQ(DayOfWeek(-1), 6);
  EXPECT_EQ(SecondOfYear(EncodeDate(2026, 1, 1).value()), 0);
  EXPECT_EQ(SecondOfYear(EncodeDateTime({2026, 1, 2, 0, 0, 1, 0}).value()), 86401);
  EXPECT_EQ(SecondOfYear(EncodeDateTime({2024, 12, 31, 23, 59, 59, 0}).value()),
            366LL * 86400 - 1);
}

TEST(DateTime, WholeUnitsBetweenAreMagnitudes) {
  const double a = EncodeDateTime({2026, 12, 9, 10, 0, 0, 0}).value();
  const double b = EncodeDateTime({2026, 12, 8, 9, 59, 58, 500}).value();
  EXPECT_EQ(WholeDaysBetween(a, b), 1);
  EXPECT_EQ(WholeDaysBetween(b, a), 1);
  EXPECT_EQ(WholeSecondsBetween(a, b), 86401);
  EXPECT_NEAR(AddSeconds(b, 1.5), EncodeDateTime({2026, 12, 8, 10, 0, 0, 0}).value(), 1e-9);
}

TEST(DateTime, EveryDayOfTheCalendarComesBack) {
  const int32_t first = DaysFromCivil(1, 1, 1).value(), last = DaysFromCivil(9999, 12, 31).value();
  int32_t previous = first - 1;
  for (int32_t day = first; day <= last; ++day) {
    // Before day 0 the time of day counts away from zero too.
    const DateTimeFields f = DecodeDateTime(day < 0 ? day - 0.75 : day + 0.75);
    const auto back = DaysFromCivil(f.year, f.month, f.day);
    ASSERT_TRUE(back) << day;
    ASSERT_EQ(*back, day) << f.year << "-" << f.month << "-" << f.day;
    ASSERT_EQ(*back, previous + 1);
    ASSERT_EQ(f.hour, 18);
    previous = *back;
  }
}
