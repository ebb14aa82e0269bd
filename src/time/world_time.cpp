#include "time/world_time.h"

TDateTime WorldTime::MachineLocalToUtc(bool preferDaylight, TDateTime local) {
  const ZoneInformation& now = machine_.At(local);
  if (now != machineZone_.Zone()) machineZone_ = ZoneConverter(now);
  return machineZone_.LocalToUtc(preferDaylight, local);
}

TDateTime WorldTime::DisplayedTime(int32_t zoneId, TDateTime local) {
  if (zoneId != chosenId_) {
    const auto zone = zones_.ZoneByIndex(zoneId);
    if (!zone) return local;
    chosenZone_ = ZoneConverter(zone->info);
    chosenId_ = zoneId;
  }
  if (chosenId_ == -1) return local;
  return chosenZone_.UtcToLocal(MachineLocalToUtc(true, local));
}
