#include "time/timer_dialog.h"

#include <gtest/gtest.h>

TEST(TimerDialog, DurationIsTheTimeOfDayShown) {
  struct Case {
    TDateTime pickerValue;
    double seconds;
  };
  const Case cases[] = {
      {90.0 / 86400, 90},
      {EncodeDateTime({2026, 12, 8, 0, 1, 30, 0}).value(), 90},  // the picker's own date is ignored
      {EncodeTime(23, 59, 59, 0).value(), 86399},
      {0, 0},
      {1.0, 0},
  };
  for (const Case& c : cases) EXPECT_NEAR(DurationShown(c.pickerValue) * 86400, c.seconds, 1e-6) << c.pickerValue;
}
