#include "time/sntp_client.h"

#include <gtest/gtest.h>

#include "base/ormel_error.h"
#include "support/fake_sntp.h"

namespace {

using namespace fake_sntp;

struct SntpClientTest : ::testing::Test {
  Clock clock;
  Transport transport{clock};
  TSntpClient client{transport, clock};

  void SetUp() override {
    client.Host = "192.0.2.1";
    client.ReceiveTimeout = 5000;
    client.Activate();
  }
  void Answer(std::vector<ReplyShape> shapes) { AnswerWith(transport, clock, std::move(shapes)); }
};

}  // namespace

TEST_F(SntpClientTest, UsableAnswerGivesServerTimeAndSetsTheClock) {
  Answer({ReplyShape{}});
  EXPECT_NEAR(client.QueryServerTime(), At(10, 0, 5, 20), 1e-9);
  const SntpMeasurement& m = client.Measurement();
  EXPECT_NEAR(m.T1, At(10, 0, 0, 0), 1e-9);
  EXPECT_NEAR(m.T4, At(10, 0, 0, 30), 1e-9);
  EXPECT_NEAR(m.delay / kSecond, 0.020, 1e-5);
  EXPECT_NEAR(m.offset / kSecond, 5.000, 1e-5);
  EXPECT_EQ(transport.sentPorts, (std::vector<uint16_t>{123}));
  EXPECT_EQ(transport.waits, (std::vector<int32_t>{5000}));

  clock.now = At(10, 0, 0, 0);
  EXPECT_TRUE(client.SyncLocalClock());
  ASSERT_EQ(clock.setTo.size(), 1u);
  EXPECT_NEAR(clock.setTo[0], At(10, 0, 5, 20), 1e-9);
}

TEST_F(SntpClientTest, DifferenceOfAClockTwoMinutesBehind) {
  ReplyShape shape;
  shape.serverAheadSeconds = 123.26;  // server transmit time minus arrival time: 123.25 s
  Answer({shape});
  const TDateTime difference = client.QueryServerTime() - clock.LocalNow();
  const DateTimeFields f = DecodeDateTime(difference);
  EXPECT_EQ(f.hour, 0);
  EXPECT_EQ(f.minute, 2);
  EXPECT_EQ(f.second, 3);
  EXPECT_EQ(f.millisecond, 250);
}

TEST_F(SntpClientTest, UnusableOrMissingAnswersGiveNothing) {
  const struct {
    const char* what;
    ReplyShape shape;
  } cases[] = {
      {"stratum 0", [] { ReplyShape s; s.stratum = 0; return s; }()},
      {"stratum 16", [] { ReplyShape s; s.stratum = 16; return s; }()},
      {"leap indicator 3", [] { ReplyShape s; s.first = 0xE4; return s; }()},
      {"zero transmit time", [] { ReplyShape s; s.zeroTransmit = true; return s; }()},
      {"47 bytes", [] { ReplyShape s; s.size = 47; return s; }()},
      {"empty datagram", [] { ReplyShape s; s.size = 0; return s; }()},
  };
  for (const auto& c : cases) {
    Answer({c.shape});
    clock.setTo.clear();
    EXPECT_EQ(client.QueryServerTime(), 0.0) << c.what;
    EXPECT_FALSE(client.SyncLocalClock()) << c.what;
    EXPECT_TRUE(clock.setTo.empty()) << c.what;
  }
  transport.server = nullptr;
  EXPECT_EQ(client.QueryServerTime(), 0.0);
}

TEST_F(SntpClientTest, TooLongAnswerIsSocketError10040) {
  ReplyShape shape;
  shape.size = 68;
  Answer({shape});
  try {
    client.QueryServerTime();
    FAIL() << "no error";
  } catch (const OrmelError& e) {
    EXPECT_STREQ(e.what(), "Socket Error # 10040\r\nMessage too long.");
  }
  EXPECT_TRUE(client.Active());
}

TEST_F(SntpClientTest, SpoofedRepliesAreIgnoredUntilTheRealOne) {
  ReplyShape otherHost, otherPort, clientMode, wrongOriginate, longFromElsewhere;
  otherHost.from = 0xC0000202u;
  otherHost.serverAheadSeconds = 3600;
  otherPort.fromPort = 1234;
  clientMode.first = 0x23;
  wrongOriginate.wrongOriginate = true;
  longFromElsewhere.from = 0x7F000001u;
  longFromElsewhere.size = 68;
  Answer({otherHost, otherPort, clientMode, wrongOriginate, longFromElsewhere, ReplyShape{}});
  EXPECT_NEAR(client.QueryServerTime(), At(10, 0, 5, 20), 1e-9);
  // Each wait is what is left of the 5000 ms, across the tick counter's wrap.
  EXPECT_EQ(transport.waits, (std::vector<int32_t>{5000, 4900, 4800, 4700, 4600, 4500}));
}

TEST_F(SntpClientTest, OnlySpoofedRepliesEndInTheTimeOut) {
  ReplyShape otherHost;
  otherHost.from = 0xC0000202u;
  Answer(std::vector<ReplyShape>(10, otherHost));
  transport.receiveMs = 2000;
  EXPECT_EQ(client.QueryServerTime(), 0.0);
  EXPECT_EQ(transport.waits, (std::vector<int32_t>{5000, 3000, 1000}));
}

TEST_F(SntpClientTest, FailedClockSettingIsNoSuccess) {
  Answer({ReplyShape{}});
  clock.setSucceeds = false;
  EXPECT_FALSE(client.SyncLocalClock());
  EXPECT_EQ(clock.setTo.size(), 1u);
}

TEST_F(SntpClientTest, HostIsResolvedOnEverySendAndLocalhostWithoutLookup) {
  Answer({});
  const struct {
    const char* host;
    Ipv4Address want;
    size_t lookups;
  } cases[] = {{"LOCALHOST", 0x7F000001u, 0}, {"localHost", 0x7F000001u, 0},
               {"10.1.2.3", 0x0A010203u, 0}, {"time.example", kServer, 1}, {"time.example", kServer, 2}};
  for (const auto& c : cases) {
    client.Host = c.host;
    client.QueryServerTime();
    EXPECT_EQ(transport.sentTo.back(), c.want) << c.host;
    EXPECT_EQ(transport.lookups.size(), c.lookups) << c.host;
  }
}

TEST(SntpClientSetup, PortAndActivation) {
  Clock clock;
  Transport transport(clock);
  TSntpClient client(transport, clock);
  EXPECT_EQ(client.Port, 123);
  EXPECT_EQ(client.ReceiveTimeout, kWaitWithoutLimit);
  EXPECT_FALSE(client.Active());
  client.Activate();
  client.Activate();
  EXPECT_TRUE(client.Active());
  client.Deactivate();
  EXPECT_FALSE(client.Active());
}
