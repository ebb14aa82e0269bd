#pragma once
#include <string>

#include "time/world_clock_dialog.h"

// WorldClock1Click up to the modal loop: the saved zone, then the saved label.
inline TfrmWorldClock OpenedWorldClock(const TQvRegistryTimeZones& zones, int32_t zoneId, const std::string& label) {
  TfrmWorldClock form(zones);
  form.SetZoneIndex(zoneId);
  form.SetClockLabel(label);
  return form;
}
