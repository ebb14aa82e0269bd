#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "time/date_time.h"

constexpr size_t kSntpPacketSize = 48;
constexpr uint16_t kSntpPort = 123;
constexpr uint8_t kSntpModeServer = 4;

// Seconds since 1 January 1900 UTC and a fraction in units of 2^-32 s.
struct NtpTimestamp {
  uint32_t seconds = 0, fraction = 0;
  bool operator==(const NtpTimestamp& o) const { return seconds == o.seconds && fraction == o.fraction; }
  bool IsZero() const { return seconds == 0 && fraction == 0; }
};

// utcBias is the machine's current offset in days: UTC = local time + utcBias.
NtpTimestamp LocalToNtp(TDateTime local, double utcBias);
// Whole milliseconds only. Seconds with the top bit clear lie after 7 February 2036,
// when the 32-bit count wraps.
TDateTime NtpToLocal(NtpTimestamp stamp, double utcBias);

// A version-3 client request carrying our transmit time.
std::array<uint8_t, kSntpPacketSize> BuildSntpRequest(NtpTimestamp transmit);

struct SntpAnswer {
  uint8_t leapIndicator = 0, mode = 0, stratum = 0;
  NtpTimestamp originate, receive, transmit;
};
// nullopt for fewer than 48 bytes.
std::optional<SntpAnswer> ParseSntpAnswer(const std::vector<uint8_t>& bytes);

// Unusable: server not synchronised (leap indicator 3), no transmit time, or a stratum
// outside 1-15 when bad strata are rejected.
bool IsUsableAnswer(const SntpAnswer& answer, bool rejectBadStratum);

// The four moments of one exchange in local time, and the results in days.
struct SntpMeasurement {
  TDateTime T1 = 0, T2 = 0, T3 = 0, T4 = 0;
  double delay = 0;   // round trip less the server's own time
  double offset = 0;  // server clock minus local clock
};
SntpMeasurement MeasureSntp(const SntpAnswer& answer, TDateTime arrival, double utcBias);
// Unusable too: an answer whose times cannot all be true, which would set the clock from a
// receive time that is missing (read as 2036), after the transmit time or more than the round
// trip before it.
bool IsConsistentExchange(const SntpAnswer& answer, const SntpMeasurement& m);
// The local time to set the machine's clock to.
TDateTime SyncedLocalTime(const SntpMeasurement& m);
