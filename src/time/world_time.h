#pragma once
#include <cstdint>

#include "time/machine_zone.h"
#include "time/zone_converter.h"
#include "time/zone_list.h"

// The time the clock shows, asked at every tick: each zone keeps its year's transitions and
// the machine's zone is kept too, so a call costs a few comparisons. A change of the chosen
// zone is picked up at the next call, one of the machine's as MachineZoneCache says.
class WorldTime {
 public:
  WorldTime(const TQvRegistryTimeZones& zones, MachineZone& machine) : zones_(zones), machine_(machine) {}

  // The system says its time or zone changed: the next conversion asks for the zone again.
  void MachineZoneChanged() { machine_.Forget(); }

  // A local time of the machine in UTC, by the machine's current zone rules.
  TDateTime MachineLocalToUtc(bool preferDaylight, TDateTime local);
  // DisplayedTime: local time converted to the zone with that id; the local time
  // itself for -1 or an id that names no zone of the list.
  TDateTime DisplayedTime(int32_t zoneId, TDateTime local);

 private:
  const TQvRegistryTimeZones& zones_;  // read once, never changed afterwards
  MachineZoneCache machine_;
  ZoneConverter machineZone_;
  ZoneConverter chosenZone_;
  int32_t chosenId_ = -1;
};
