#pragma once
#include "time/sntp_transport.h"
#include "time/zone_info.h"

// The machine's zone as the platform reports it; fails with the system's error text.
ZoneInformation MachineZoneInformation(ZoneTimeKind* kind = nullptr);

// The machine's clock; setting it enables the system-time privilege for the call.
class Win32SntpClock : public SntpClock {
 public:
  TDateTime LocalNow() override;
  double UtcBias() override;
  bool SetLocalTime(TDateTime local) override;
  uint32_t TickMs() override;
};
