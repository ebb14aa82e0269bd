#include "time/sntp_packet.h"

#include <cmath>

namespace {

constexpr double kTwoTo32 = 4294967296.0;
constexpr double kNtpEpoch = 2.0;  // 1 January 1900 as a date-time value

void PutTimestamp(uint8_t* p, NtpTimestamp t) {
  for (int i = 0; i < 4; ++i) {
    p[i] = static_cast<uint8_t>(t.seconds >> (24 - 8 * i));
    p[4 + i] = static_cast<uint8_t>(t.fraction >> (24 - 8 * i));
  }
}

uint32_t GetU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
         static_cast<uint32_t>(p[2]) << 8 | p[3];
}

NtpTimestamp GetTimestamp(const uint8_t* p) { return {GetU32(p), GetU32(p + 4)}; }

}  // namespace

NtpTimestamp LocalToNtp(TDateTime local, double utcBias) {
  // Whole microseconds, so that a whole second does not come out as the one before.
  const int64_t us = std::llround((local + utcBias - kNtpEpoch) * kSecondsPerDay * 1e6);
  int64_t seconds = us / 1000000, micro = us % 1000000;
  if (micro < 0) {
    micro += 1000000;
    --seconds;
  }
  NtpTimestamp t;
  t.seconds = static_cast<uint32_t>(seconds & 0xFFFFFFFFLL);
  // Rounded up, so that reading the stamp back to whole milliseconds gives the same time.
  t.fraction = static_cast<uint32_t>(((static_cast<uint64_t>(micro) << 32) + 999999) / 1000000);
  return t;
}

TDateTime NtpToLocal(NtpTimestamp stamp, double utcBias) {
  double seconds = stamp.seconds;
  if ((stamp.seconds & 0x80000000u) == 0) seconds += kTwoTo32;
  const uint64_t ms = (static_cast<uint64_t>(stamp.fraction) * 1000) >> 32;
  return (seconds + ms / 1000.0) / kSecondsPerDay - utcBias + kNtpEpoch;
}

std::array<uint8_t, kSntpPacketSize> BuildSntpRequest(NtpTimestamp transmit) {
  std::array<uint8_t, kSntpPacketSize> packet{};
  packet[0] = 0x1B;  // leap indicator 0, version 3, mode 3 (client)
  PutTimestamp(&packet[40], transmit);
  return packet;
}

std::optional<SntpAnswer> ParseSntpAnswer(const std::vector<uint8_t>& bytes) {
  if (bytes.size() < kSntpPacketSize) return std::nullopt;
  SntpAnswer a;
  a.leapIndicator = bytes[0] >> 6;
  a.mode = bytes[0] & 7;
  a.stratum = bytes[1];
  a.originate = GetTimestamp(&bytes[24]);
  a.receive = GetTimestamp(&bytes[32]);
  a.transmit = GetTimestamp(&bytes[40]);
  return a;
}

bool IsUsableAnswer(const SntpAnswer& answer, bool rejectBadStratum) {
  if (answer.leapIndicator == 3 || answer.transmit.IsZero()) return false;
  return !rejectBadStratum || (answer.stratum >= 1 && answer.stratum <= 15);
}

SntpMeasurement MeasureSntp(const SntpAnswer& answer, TDateTime arrival, double utcBias) {
  SntpMeasurement m;
  m.T4 = arrival;
  m.T1 = NtpToLocal(answer.originate, utcBias);
  m.T2 = NtpToLocal(answer.receive, utcBias);
  m.T3 = NtpToLocal(answer.transmit, utcBias);
  m.delay = (m.T4 - m.T1) - (m.T3 - m.T2);
  m.offset = ((m.T2 - m.T1) + (m.T3 - m.T4)) / 2;
  return m;
}

bool IsConsistentExchange(const SntpAnswer& answer, const SntpMeasurement& m) {
  // The four times keep whole milliseconds only, so a true round trip on a fast network may
  // come out up to two milliseconds below zero.
  constexpr double kRoundingSlack = 2.0 / (kSecondsPerDay * 1000);
  return !answer.receive.IsZero() && m.T2 <= m.T3 && m.delay >= -kRoundingSlack;
}

TDateTime SyncedLocalTime(const SntpMeasurement& m) { return m.T1 + m.offset + m.delay; }
