#include "time/tick_counter.h"

uint64_t TickExtender::Extend(uint32_t raw) {
  if (seen_ && raw < last_) ++wraps_;
  seen_ = true;
  last_ = raw;
  return (wraps_ << 32) | raw;
}
