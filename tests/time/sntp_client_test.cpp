#include "time/sntp_client.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "app/ormel_error.h"

namespace {

TDateTime At(int h, int mi, int s, int ms) { return EncodeDateTime({2026, 3, 1, h, mi, s, ms}).value(); }

constexpr double kSecond = 1.0 / 86400;
constexpr Ipv4Address kServer = 0xC0000201u;  // 192.0.2.1
constexpr double kBias = -60.0 / 1440;         // UTC+1

class FakeClock : public SntpClock {
 public:
  TDateTime now = At(10, 0, 0, 0);
  uint32_t tick = 0xFFFFF000u;  // wraps during the wait
  std::vector<TDateTime> setTo;
  bool setSucceeds = true;

  TDateTime LocalNow() override { return now; }
  double UtcBias() override { return kBias; }
  bool SetLocalTime(TDateTime local) override {
    setTo.push_back(local);
    return setSucceeds;
  }
  uint32_t TickMs() override { return tick; }
};

// Answers each request with the datagrams the test's server function makes of it; each
// receive takes receiveMs of the clock's time.
class FakeTransport : public UdpTransport {
 public:
  explicit FakeTransport(FakeClock& clock) : clock_(clock) {}

  std::function<std::vector<Datagram>(const std::vector<uint8_t>&)> server;
  std::vector<std::string> lookups;
  std::vector<Ipv4Address> sentTo;
  std::vector<uint16_t> sentPorts;
  std::vector<int32_t> waits;
  uint32_t receiveMs = 100;
  bool active = false;

  void Activate(bool) override { active = true; }
  void Deactivate() override { active = false; }
  bool Active() const override { return active; }
  Ipv4Address LookUp(const std::string& host) override {
    lookups.push_back(host);
    return kServer;
  }
  void SendTo(Ipv4Address address, uint16_t port, const std::vector<uint8_t>& bytes) override {
    sentTo.push_back(address);
    sentPorts.push_back(port);
    EXPECT_EQ(bytes.size(), kSntpPacketSize);
    if (server)
      for (Datagram& d : server(bytes)) queue_.push_back(std::move(d));
  }
  std::optional<Datagram> Receive(int32_t timeoutMs, size_t bufferSize) override {
    waits.push_back(timeoutMs);
    EXPECT_EQ(bufferSize, kSntpPacketSize);
    clock_.tick += receiveMs;
    if (queue_.empty()) return std::nullopt;
    Datagram d = std::move(queue_.front());
    queue_.pop_front();
    if (d.bytes.size() > bufferSize) {
      d.bytes.resize(bufferSize);
      d.truncated = true;
    }
    return d;
  }

 private:
  FakeClock& clock_;
  std::deque<Datagram> queue_;
};

void PutStamp(std::vector<uint8_t>& b, size_t at, NtpTimestamp t) {
  for (int i = 0; i < 4; ++i) {
    b[at + i] = static_cast<uint8_t>(t.seconds >> (24 - 8 * i));
    b[at + 4 + i] = static_cast<uint8_t>(t.fraction >> (24 - 8 * i));
  }
}

// A server whose clock runs serverAheadSeconds ahead and which takes 10 ms to answer.
struct ReplyShape {
  uint8_t first = 0x24;  // leap 0, version 4, server mode
  uint8_t stratum = 2;
  double serverAheadSeconds = 5.0;
  bool zeroTransmit = false;
  bool wrongOriginate = false;
  size_t size = kSntpPacketSize;
  Ipv4Address from = kServer;
  uint16_t fromPort = 123;
};

Datagram Reply(const std::vector<uint8_t>& request, const ReplyShape& shape) {
  std::vector<uint8_t> b(std::max(shape.size, kSntpPacketSize), 0);
  b[0] = shape.first;
  b[1] = shape.stratum;
  std::copy(request.begin() + 40, request.begin() + 48, b.begin() + 24);
  if (shape.wrongOriginate) b[31] ^= 1;
  const TDateTime sent = NtpToLocal(ParseSntpAnswer(request)->transmit, kBias);
  const double ahead = shape.serverAheadSeconds * kSecond;
  PutStamp(b, 32, LocalToNtp(sent + ahead + 0.010 * kSecond, kBias));
  if (!shape.zeroTransmit) PutStamp(b, 40, LocalToNtp(sent + ahead + 0.020 * kSecond, kBias));
  b.resize(shape.size);
  return Datagram{b, shape.from, shape.fromPort, false};
}

struct SntpClientTest : ::testing::Test {
  FakeClock clock;
  FakeTransport transport{clock};
  TSntpClient client{transport, clock};

  void SetUp() override {
    client.Host = "192.0.2.1";
    client.ReceiveTimeout = 5000;
    client.Activate();
  }
  void Answer(std::vector<ReplyShape> shapes) {
    transport.server = [this, shapes](const std::vector<uint8_t>& request) {
      clock.now += 0.030 * kSecond;  // the answer arrives 30 ms later
      std::vector<Datagram> out;
      for (const ReplyShape& s : shapes) out.push_back(Reply(request, s));
      return out;
    };
  }
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
  FakeClock clock;
  FakeTransport transport(clock);
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
