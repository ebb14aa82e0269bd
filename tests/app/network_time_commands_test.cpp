#include "app/network_time_commands.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/clock_tick.h"
#include "base/ormel_error.h"
#include "support/fake_sntp.h"

namespace {

using namespace fake_sntp;

// The face reads the same clock as the SNTP client.
class SntpWallClock : public WallClock {
 public:
  explicit SntpWallClock(const Clock& clock) : clock_(clock) {}
  TDateTime Now() const override { return clock_.now; }
  TDateTime UtcNow() const override { return Now(); }

 private:
  const Clock& clock_;
};

struct NetworkTimeCommandsTest : ::testing::Test {
  Clock clock;
  Transport transport{clock};
  TSntpClient client{transport, clock};
  SntpWallClock wallClock{clock};
  ClockState state{wallClock};
  const TDateTime previousDifference = 7.0 * kSecond;

  void SetUp() override {
    client.Host = "192.0.2.1";
    client.ReceiveTimeout = 5000;
    state.FTimeDifference = previousDifference;
    state.hands = HandAnglesFrom(previousDifference);
  }
  void ExpectPreviousDifference() {
    EXPECT_EQ(state.FTimeDifference, previousDifference);
    EXPECT_EQ(state.hands.second, HandAnglesFrom(previousDifference).second);
  }
};

// Arrival 30 ms after sending, server transmit 5.020 s after: 4.990 s.
constexpr double kMeasuredSeconds = 4.990;

}  // namespace

TEST_F(NetworkTimeCommandsTest, SeeTheDifferenceShowsServerMinusLocal) {
  AnswerWith(transport, clock, {ReplyShape{}});
  SeeTimeDifferenceCommand(state, client, wallClock);
  EXPECT_EQ(state.FClockType, ctAtomic);
  EXPECT_NEAR(state.FTimeDifference / kSecond, kMeasuredSeconds, 1e-4);
  EXPECT_FLOAT_EQ(state.hands.second, -24.0f);  // the 4-second mark
  EXPECT_FALSE(client.Active());
}

TEST_F(NetworkTimeCommandsTest, SeeTheDifferenceWithoutAnAnswerKeepsThePreviousOne) {
  ReplyShape stratum0, short47;
  stratum0.stratum = 0;
  short47.size = 47;
  for (const auto& shapes : std::vector<std::vector<ReplyShape>>{{}, {stratum0}, {short47}}) {
    AnswerWith(transport, clock, shapes);
    state.FClockType = ctClock;
    SeeTimeDifferenceCommand(state, client, wallClock);
    EXPECT_EQ(state.FClockType, ctAtomic);
    ExpectPreviousDifference();
    EXPECT_FALSE(client.Active());
  }
}

TEST_F(NetworkTimeCommandsTest, SyncSetsTheClockThenShowsTheDifference) {
  AnswerWith(transport, clock, {ReplyShape{}});
  const TDateTime sent = clock.now;
  SyncTimeCommand(state, client, wallClock);
  ASSERT_EQ(clock.setTo.size(), 1u);
  EXPECT_NEAR(clock.setTo[0], sent + 5.020 * kSecond, 1e-9);
  EXPECT_EQ(state.FClockType, ctAtomic);
  EXPECT_NEAR(state.FTimeDifference / kSecond, kMeasuredSeconds, 1e-4);
  EXPECT_EQ(transport.sentTo.size(), 2u);  // the sync and the difference after it
  EXPECT_FALSE(client.Active());
}

TEST_F(NetworkTimeCommandsTest, RefusedOrUnansweredSyncChangesNothing) {
  ReplyShape leap3;
  leap3.first = 0xE4;
  const struct {
    const char* what;
    std::vector<ReplyShape> replies;
    bool clockAccepts;
  } cases[] = {
      // What Wine does: the privilege is enabled, then SetLocalTime fails with 1314.
      {"setting the clock refused", {ReplyShape{}}, false},
      {"no answer", {}, true},
      {"server not synchronised", {leap3}, true},
  };
  for (const auto& c : cases) {
    AnswerWith(transport, clock, c.replies);
    clock.setSucceeds = c.clockAccepts;
    state.FClockType = ctStopwatch;
    SyncTimeCommand(state, client, wallClock);
    EXPECT_EQ(state.FClockType, ctStopwatch) << c.what;
    ExpectPreviousDifference();
    EXPECT_EQ(transport.sentTo.size(), 1u) << c.what;
    EXPECT_FALSE(client.Active()) << c.what;
    transport.sentTo.clear();
  }
}

TEST_F(NetworkTimeCommandsTest, SocketErrorEndsTheCommandAndClosesTheSocket) {
  ReplyShape tooLong;
  tooLong.size = 68;
  AnswerWith(transport, clock, {tooLong});
  state.FClockType = ctStopwatch;
  EXPECT_THROW(SyncTimeCommand(state, client, wallClock), OrmelError);
  EXPECT_EQ(state.FClockType, ctStopwatch);
  EXPECT_THROW(SeeTimeDifferenceCommand(state, client, wallClock), OrmelError);
  EXPECT_TRUE(clock.setTo.empty());
  EXPECT_EQ(state.FClockType, ctAtomic) << "\"See the time difference\" had switched before asking";
  ExpectPreviousDifference();
  EXPECT_FALSE(client.Active());
}
