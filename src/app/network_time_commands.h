#pragma once
#include "app/clock_state.h"
#include "time/sntp_client.h"
#include "time/wall_clock.h"

// What the network-time commands ask of the main window.
class NetworkTimeHost {
 public:
  virtual ~NetworkTimeHost() = default;
  virtual void SetClockType(ClockType type) = 0;
  virtual void FaceChanged() = 0;
};

// The public time server the clock asks, on the NTP port, waiting five seconds for an answer.
void AimAtTimeServer(TSntpClient& client);

// "Sync time": sets the machine's clock from the server; only when the clock was set
// does the face switch to the difference, so a refused setting changes nothing.
void SyncTimeCommand(ClockState& state, TSntpClient& client, const WallClock& clock, NetworkTimeHost& host);
// "See the time difference": switches to the difference and shows a usable answer's;
// without one the previous difference stays.
void SeeTimeDifferenceCommand(ClockState& state, TSntpClient& client, const WallClock& clock,
                              NetworkTimeHost& host);
