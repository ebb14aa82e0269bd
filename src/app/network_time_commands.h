#pragma once
#include "app/clock_state.h"
#include "time/sntp_client.h"
#include "time/wall_clock.h"

// The public time server the clock asks, on the NTP port, waiting five seconds for an answer.
void AimAtTimeServer(TSntpClient& client);

// Both commands end with a face to redraw, unless a socket error (thrown) ends them first.

// "Sync time": sets the machine's clock from the server; only when the clock was set
// does the face switch to the difference, so a refused setting changes nothing.
void SyncTimeCommand(ClockState& state, TSntpClient& client, const WallClock& clock);
// "See the time difference": switches to the difference and shows a usable answer's;
// without one the previous difference stays.
void SeeTimeDifferenceCommand(ClockState& state, TSntpClient& client, const WallClock& clock);
