#pragma once
#include <cstdint>
#include <optional>

// The machine's local time as its UTC plus the zone's bias. The platform's own conversion can
// be costly (under Wine each call looks the zone's rules up again), while the bias changes
// only on a whole second (a daylight saving change) or when the zone is changed: it is asked
// again with each new second of UTC, and after Forget.
class LocalTimeBias {
 public:
  static constexpr int64_t kTicksPerSecond = 10000000;  // times count 100 ns from 1601 on

  // The local time at `utc`; `localOf(utc)` is the platform's exact conversion, nullopt when
  // it failed (then nothing is kept).
  template <typename LocalOf>
  std::optional<int64_t> LocalAt(int64_t utc, LocalOf&& localOf) {
    const int64_t second = utc / kTicksPerSecond;
    if (!known_ || second != second_) {
      const std::optional<int64_t> local = localOf(utc);
      known_ = local.has_value();
      if (!known_) return std::nullopt;
      bias_ = *local - utc;
      second_ = second;
    }
    return utc + bias_;
  }
  // The zone may have changed: the next time is converted by the platform again.
  void Forget() { known_ = false; }

 private:
  bool known_ = false;
  int64_t second_ = 0, bias_ = 0;
};
