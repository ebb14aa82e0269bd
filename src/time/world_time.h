#pragma once
#include <cstdint>

#include "time/zone_converter.h"
#include "time/zone_list.h"

// The machine's own zone as the platform reports it at this moment.
class MachineZone {
 public:
  virtual ~MachineZone() = default;
  virtual ZoneInformation Current() = 0;
};

// The time the clock shows, asked at every tick: each zone keeps its year's transitions,
// so a call costs a fetch of the machine's zone and a few comparisons. A change of the
// machine's zone or of the chosen zone is picked up at the next call.
class WorldTime {
 public:
  WorldTime(const TQvRegistryTimeZones& zones, MachineZone& machine) : zones_(zones), machine_(machine) {}

  // A local time of the machine in UTC, by the machine's current zone rules.
  TDateTime MachineLocalToUtc(bool preferDaylight, TDateTime local);
  // DisplayedTime: local time converted to the zone with that id; the local time
  // itself for -1 or an id that names no zone of the list.
  TDateTime DisplayedTime(int32_t zoneId, TDateTime local);

 private:
  const TQvRegistryTimeZones& zones_;  // read once, never changed afterwards
  MachineZone& machine_;
  ZoneConverter machineZone_;
  ZoneConverter chosenZone_;
  int32_t chosenId_ = -1;
};
