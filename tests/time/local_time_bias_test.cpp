#include "time/local_time_bias.h"

#include <gtest/gtest.h>


namespace {

constexpr int64_t kSecond = LocalTimeBias::kTicksPerSecond;
constexpr int64_t kNoon = 13'400'000'000 * kSecond;  // some day of 2025, in 100 ns since 1601
constexpr int64_t kHour = 3600 * kSecond;

// A zone an hour east that moves to two hours at 12:00:05 UTC, as daylight saving does.
int64_t ExactLocal(int64_t utc) { return utc + (utc >= kNoon + 5 * kSecond ? 2 * kHour : kHour); }

}  // namespace

TEST(LocalTimeBias, GivesThePlatformsTimeAskingOnceASecond) {
  struct Step {
    int64_t utc;
    bool zoneChanged;
    bool asks;
  };
  const Step steps[] = {
      {kNoon, false, true},                                  // the first time
      {kNoon + kSecond / 10, false, false},                  // ticks within the second
      {kNoon + kSecond - 1, false, false},
      {kNoon + kSecond, false, true},                        // a new second
      {kNoon + 5 * kSecond - 1, false, true},                // the last moment before the change
      {kNoon + 5 * kSecond, false, true},                    // the change, on its whole second
      {kNoon + 5 * kSecond + kSecond / 2, false, false},
      {kNoon + 5 * kSecond + kSecond / 2 + 1, true, true},   // the zone was changed: asked again
      {kNoon + 2 * kSecond + 3, false, true},                // the machine's clock set back
      {kNoon + 2 * kSecond + 4, false, false},
  };
  LocalTimeBias bias;
  for (const Step& step : steps) {
    if (step.zoneChanged) bias.Forget();
    int asked = 0;
    const auto local = bias.LocalAt(step.utc, [&](int64_t at) -> std::optional<int64_t> {
      ++asked;
      return ExactLocal(at);
    });
    ASSERT_TRUE(local);
    EXPECT_EQ(*local, ExactLocal(step.utc)) << step.utc - kNoon;
    EXPECT_EQ(asked, step.asks ? 1 : 0) << step.utc - kNoon;
  }
}

TEST(LocalTimeBias, AFailedConversionKeepsNothing) {
  LocalTimeBias bias;
  EXPECT_FALSE(bias.LocalAt(kNoon, [](int64_t) -> std::optional<int64_t> { return std::nullopt; }));
  int asked = 0;
  const auto local = bias.LocalAt(kNoon + 1, [&](int64_t at) -> std::optional<int64_t> {
    ++asked;
    return ExactLocal(at);
  });
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(local, ExactLocal(kNoon + 1));
}
