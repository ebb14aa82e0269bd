#include "time/machine_zone.h"

namespace {

// As displayed: the last half millisecond of an hour already belongs to the next.
int64_t HourOf(TDateTime local) {
  const DateTimeFields f = DecodeDateTime(local);
  return int64_t{*DaysFromCivil(f.year, f.month, f.day)} * 24 + f.hour;
}

}  // namespace

const ZoneInformation& MachineZoneCache::At(TDateTime local) {
  const int64_t hour = HourOf(local);
  if (!known_ || hour != hour_) {
    zone_ = platform_.Current();
    hour_ = hour;
    known_ = true;
  }
  return zone_;
}
