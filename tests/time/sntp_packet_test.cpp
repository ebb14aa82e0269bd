#include "time/sntp_packet.h"

#include <gtest/gtest.h>

#include "support/date_at.h"
#include "time/socket_errors.h"
#include "time/sntp_udp_client.h"

namespace {

constexpr double kSecond = 1.0 / 86400;

std::vector<uint8_t> AnswerBytes(uint8_t first, uint8_t stratum, NtpTimestamp transmit) {
  std::vector<uint8_t> b(kSntpPacketSize, 0);
  b[0] = first;
  b[1] = stratum;
  for (int i = 0; i < 4; ++i) {
    b[40 + i] = static_cast<uint8_t>(transmit.seconds >> (24 - 8 * i));
    b[44 + i] = static_cast<uint8_t>(transmit.fraction >> (24 - 8 * i));
  }
  b[24] = 0xE1;  // originate seconds' top byte
  b[35] = 0x07;  // receive seconds' low byte
  return b;
}

}  // namespace

TEST(SntpPacket, RequestIsVersionThreeClientWithTransmitTime) {
  const auto packet = BuildSntpRequest({0x01020304u, 0xA0B0C0D0u});
  EXPECT_EQ(packet[0], 0x1B);
  const uint8_t wantTransmit[] = {1, 2, 3, 4, 0xA0, 0xB0, 0xC0, 0xD0};
  for (size_t i = 0; i < kSntpPacketSize; ++i)
    EXPECT_EQ(packet[i], i >= 40 ? wantTransmit[i - 40] : (i == 0 ? 0x1B : 0)) << i;
}

TEST(SntpPacket, TimestampsAndLocalTimes) {
  const double utcPlus1 = -60.0 / 1440;
  const struct {
    const char* what;
    NtpTimestamp stamp;
    double bias;
    TDateTime local;
  } cases[] = {
      {"top bit set is after 1968", {3758096384u, 0}, 0, At(2019, 2, 2, 11, 39, 44)},
      {"start of 1900 era", {0x80000000u, 0}, 0, At(1968, 1, 20, 3, 14, 8)},
      {"half a second", {3758096384u, 0x80000000u}, 0, At(2019, 2, 2, 11, 39, 44, 500)},
      {"local time east of UTC", {3758096384u, 0}, utcPlus1, At(2019, 2, 2, 12, 39, 44)},
      {"after the 2036 wrap", {0, 0}, 0, At(2036, 2, 7, 6, 28, 16)},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(NtpToLocal(c.stamp, c.bias), c.local, 1e-9) << c.what;
    const NtpTimestamp back = LocalToNtp(c.local, c.bias);
    EXPECT_EQ(back.seconds, c.stamp.seconds) << c.what;
    EXPECT_NEAR(back.fraction, c.stamp.fraction, 1 << 13) << c.what;
  }
  // Only whole milliseconds survive the conversion, truncated.
  const NtpTimestamp almost = {3758096384u, 0xFFFFFFFFu};
  EXPECT_NEAR(NtpToLocal(almost, 0), At(2019, 2, 2, 11, 39, 44, 999), 1e-10);
}

TEST(SntpPacket, AnswerFieldsAndUsability) {
  const NtpTimestamp t = {3758096384u, 1};
  EXPECT_FALSE(ParseSntpAnswer(std::vector<uint8_t>(47, 0)));
  const auto a = ParseSntpAnswer(AnswerBytes(0xE4, 2, t));
  ASSERT_TRUE(a);
  EXPECT_EQ(a->leapIndicator, 3);
  EXPECT_EQ(a->mode, 4);
  EXPECT_EQ(a->stratum, 2);
  EXPECT_EQ(a->transmit, t);
  EXPECT_EQ(a->originate.seconds, 0xE1000000u);
  EXPECT_EQ(a->receive.seconds, 7u);

  const struct {
    uint8_t first, stratum;
    NtpTimestamp transmit;
    bool usable;
  } cases[] = {
      {0x24, 1, t, true},       {0x24, 15, t, true},         {0x64, 2, t, true},  // leap 1
      {0xE4, 2, t, false},      {0x24, 0, t, false},         {0x24, 16, t, false},
      {0x24, 2, {0, 0}, false}, {0x24, 2, {0, 1}, true},     {0x24, 2, {1, 0}, true},
  };
  for (const auto& c : cases) {
    const auto answer = ParseSntpAnswer(AnswerBytes(c.first, c.stratum, c.transmit));
    EXPECT_EQ(IsUsableAnswer(*answer, true), c.usable)
        << int(c.first) << " " << int(c.stratum) << " " << c.transmit.seconds;
  }
  EXPECT_TRUE(IsUsableAnswer(*ParseSntpAnswer(AnswerBytes(0x24, 0, t)), false));
}

TEST(SntpPacket, OffsetDelayAndNewClockOfTheWorkedExample) {
  const double bias = -60.0 / 1440;
  SntpAnswer a;
  a.originate = LocalToNtp(At(2026, 3, 1, 10, 0, 0, 0), bias);
  a.receive = LocalToNtp(At(2026, 3, 1, 10, 0, 5, 10), bias);
  a.transmit = LocalToNtp(At(2026, 3, 1, 10, 0, 5, 20), bias);
  const SntpMeasurement m = MeasureSntp(a, At(2026, 3, 1, 10, 0, 0, 30), bias);
  EXPECT_NEAR(m.delay / kSecond, 0.020, 1e-5);
  EXPECT_NEAR(m.offset / kSecond, 5.000, 1e-5);
  EXPECT_NEAR(SyncedLocalTime(m), At(2026, 3, 1, 10, 0, 5, 20), 1e-9);
  EXPECT_NEAR(m.T3, At(2026, 3, 1, 10, 0, 5, 20), 1e-9);
}

TEST(SntpPacket, AnswersWhoseTimesCannotAllBeTrueAreUnusable) {
  const double bias = -60.0 / 1440;
  const TDateTime sent = At(2026, 3, 1, 10, 0, 0, 0), arrived = At(2026, 3, 1, 10, 0, 0, 30);
  const struct {
    const char* what;
    NtpTimestamp receive;
    TDateTime transmit;
    bool consistent;
  } cases[] = {
      {"the worked example", LocalToNtp(At(2026, 3, 1, 10, 0, 5, 10), bias), At(2026, 3, 1, 10, 0, 5, 20), true},
      {"received and sent in the same millisecond", LocalToNtp(At(2026, 3, 1, 10, 0, 5, 20), bias),
       At(2026, 3, 1, 10, 0, 5, 20), true},
      {"the server's time equals the round trip", LocalToNtp(At(2026, 3, 1, 10, 0, 5, 0), bias),
       At(2026, 3, 1, 10, 0, 5, 30), true},
      {"rounding: a round trip of -1 ms", LocalToNtp(At(2026, 3, 1, 10, 0, 5, 0), bias),
       At(2026, 3, 1, 10, 0, 5, 31), true},
      {"no receive time (2036 by the era rule)", {0, 0}, At(2026, 3, 1, 10, 0, 5, 20), false},
      {"received after it was sent", LocalToNtp(At(2026, 3, 1, 10, 0, 5, 21), bias), At(2026, 3, 1, 10, 0, 5, 20),
       false},
      {"a negative round trip", LocalToNtp(At(2026, 3, 1, 10, 0, 5, 0), bias), At(2026, 3, 1, 10, 0, 5, 33), false},
      {"received years before", LocalToNtp(At(2019, 1, 1, 0, 0, 0), bias), At(2026, 3, 1, 10, 0, 5, 20), false},
  };
  for (const auto& c : cases) {
    SntpAnswer a;
    a.originate = LocalToNtp(sent, bias);
    a.receive = c.receive;
    a.transmit = LocalToNtp(c.transmit, bias);
    EXPECT_EQ(IsConsistentExchange(a, MeasureSntp(a, arrived, bias)), c.consistent) << c.what;
  }
}

TEST(SocketErrors, TextsFromTheTable) {
  const struct {
    int number;
    const char* want;
  } cases[] = {
      {10004, "Socket Error # 10004\r\nInterrupted system call."},
      {10035, "Socket Error # 10035\r\nOperation would block. "},
      {10040, "Socket Error # 10040\r\nMessage too long."},
      {10060, "Socket Error # 10060\r\nConnection timed out."},
      {10066, "Socket Error # 10066\r\nDirectory not empty"},
      {11001, "Socket Error # 11001\r\nHost not found."},
      {10067, "Socket Error # 10067\r\n"},
      {0, "Socket Error # 0\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(SocketErrorText(c.number), c.want);
}

TEST(SntpHost, LiteralAddressesNeedNoLookup) {
  const struct {
    const char* host;
    std::optional<Ipv4Address> want;
  } cases[] = {
      {"LOCALHOST", 0x7F000001u}, {"localhost", 0x7F000001u}, {"LocalHost", 0x7F000001u},
      {"127.0.0.1", 0x7F000001u}, {"192.0.2.255", 0xC00002FFu}, {"0.0.0.0", 0u},
      {"localhost.", std::nullopt}, {"256.0.0.1", std::nullopt}, {"1.2.3", std::nullopt},
      {"1.2.3.4.", std::nullopt}, {"1..3.4", std::nullopt}, {"1234.1.1.1", std::nullopt},
      {"pool.example", std::nullopt}, {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(HostLiteralAddress(c.host), c.want) << c.host;
}
