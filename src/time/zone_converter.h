#pragma once
#include <optional>

#include "time/zone_rules.h"

// One zone's conversions, keeping the transitions of the year last converted: another
// value of that year costs two comparisons instead of working out both rules again.
// The results are those of ZoneLocalToUtc and ZoneUtcToLocal to the bit.
class ZoneConverter {
 public:
  explicit ZoneConverter(const ZoneInformation& zone = {}) : zone_(zone) {}

  const ZoneInformation& Zone() const { return zone_; }
  TDateTime LocalToUtc(bool preferDaylight, TDateTime local);
  TDateTime UtcToLocal(TDateTime utc);

 private:
  const std::optional<YearTransitions>& TransitionsFor(TDateTime value);

  ZoneInformation zone_;
  bool kept_ = false;
  int year_ = 0;
  // Values in [sureFrom_, sureTo_) belong to year_ without decoding them.
  TDateTime sureFrom_ = 0, sureTo_ = 0;
  std::optional<YearTransitions> transitions_;
};
