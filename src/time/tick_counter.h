#pragma once
#include <cstdint>

// Widens the platform's 32-bit millisecond count, which wraps after 49.7 days.
// Must be fed at least once per wrap period; the clock tick feeds it every 100 ms.
class TickExtender {
 public:
  uint64_t Extend(uint32_t raw);

 private:
  bool seen_ = false;
  uint32_t last_ = 0;
  uint64_t wraps_ = 0;
};
