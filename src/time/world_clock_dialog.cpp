#include "time/world_clock_dialog.h"

#include "time/world_clock_text.h"

namespace {
const char kDefaultLabel[] = "Clock";
}

TfrmWorldClock::TfrmWorldClock(const TQvRegistryTimeZones& zones) {
  zoneNames_.reserve(static_cast<size_t>(zones.Count()));
  for (int32_t i = 0; i < zones.Count(); ++i) zoneNames_.push_back(zones.Item(i).DisplayName());
}

void TfrmWorldClock::SetZoneIndex(int32_t index) {
  if (index < 0)
    selected_ = -1;
  else if (index < static_cast<int32_t>(zoneNames_.size()))
    selected_ = index;
  ListZonesClick();
}

void TfrmWorldClock::ListZonesClick() {
  if (selected_ < 0) return;
  labelChoices_ = SplitLabelChoices(NthDelimitedField(zoneNames_[static_cast<size_t>(selected_)], ')', 2));
  if (!labelChoices_.empty()) label_ = labelChoices_.front();
}

void TfrmWorldClock::bResetClick() {
  label_ = kDefaultLabel;
  selected_ = -1;
}
