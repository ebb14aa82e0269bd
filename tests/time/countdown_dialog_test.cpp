#include "time/countdown_dialog.h"

#include <gtest/gtest.h>

#include "support/date_at.h"

TEST(CountdownDialog, PickersSplitAndJoinTheTarget) {
  struct Case {
    const char* name;
    CountdownPickers before;
    TDateTime target;
    CountdownPickers after;
  };
  const Case cases[] = {
      {"pickers keep their other part",
       {At(2020, 5, 6, 11, 12, 13), At(2021, 1, 1, 8, 0, 0)},
       At(2026, 12, 31, 23, 59, 58, 999),
       {At(2026, 12, 31, 11, 12, 13), At(2021, 1, 1, 23, 59, 58, 999)}},
      {"midnight target", {0, 0}, At(2027, 1, 1, 0, 0, 0), {At(2027, 1, 1, 0, 0, 0), 0}},
      {"target yesterday", {0, 0}, At(2026, 12, 7, 10, 0, 0), {At(2026, 12, 7, 0, 0, 0), At(1899, 12, 30, 10, 0, 0)}},
  };
  for (const Case& c : cases) {
    CountdownPickers p = c.before;
    SetTarget(p, c.target);
    EXPECT_NEAR(p.date, c.after.date, 1e-9) << c.name;
    EXPECT_NEAR(p.time, c.after.time, 1e-9) << c.name;
    // OK without changes keeps the target to the millisecond.
    EXPECT_NEAR(GetTarget(p), c.target, 0.5 / kMsPerDay) << c.name;
  }
}

TEST(CountdownDialog, GetTargetTakesTheDateOfOneAndTheTimeOfTheOther) {
  const CountdownPickers p{At(2030, 2, 3, 4, 5, 6), At(1999, 9, 9, 21, 22, 23, 456)};
  EXPECT_NEAR(GetTarget(p), At(2030, 2, 3, 21, 22, 23, 456), 1e-9);
}
