// Syncing the clock with the real client, against a server on loopback.
#include "app/network_time_commands.h"

#include <gtest/gtest.h>

#include "time/local_clock_win32.h"
#include "time/loopback_sntp_win32.h"

TEST(SntpWine, RefusedSyncLeavesTheModeAndTheDifference) {
  if (!UnderWine()) GTEST_SKIP() << "would set this machine's clock";
  LoopbackQuery query("127.0.0.1");  // 5 s ahead: a setting Wine refuses
  TSntpClient& client = query.client;
  LocalWallClock wallClock;
  ClockState state(wallClock);
  state.FClockType = ctStopwatch;
  state.FTimeDifference = 2.0 / 86400;
  SyncTimeCommand(state, client, wallClock);
  EXPECT_EQ(state.FClockType, ctStopwatch);
  EXPECT_EQ(state.FTimeDifference, 2.0 / 86400);
  EXPECT_FALSE(client.Active());
  // The answer itself was usable: only the setting failed.
  EXPECT_NEAR(client.Measurement().offset * 86400.0, 5.0, 0.05);
}
