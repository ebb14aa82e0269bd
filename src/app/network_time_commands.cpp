#include "app/network_time_commands.h"

#include "app/clock_tick.h"

namespace {

const char kTimeServer[] = "pool.ntp.org";
constexpr int32_t kNtpPort = 123;
constexpr int32_t kAnswerTimeoutMs = 5000;

// The socket lives for one command only, also when a socket error ends it: a reply
// that arrives late then finds no socket to wait in for the next command.
class ActiveDuring {
 public:
  explicit ActiveDuring(TSntpClient& client) : client_(client) { client_.Activate(); }
  ~ActiveDuring() { client_.Deactivate(); }
  ActiveDuring(const ActiveDuring&) = delete;
  ActiveDuring& operator=(const ActiveDuring&) = delete;

 private:
  TSntpClient& client_;
};

// A usable answer r shows r minus the local time, hands and all.
void ShowDifference(ClockState& state, TDateTime serverTime, const WallClock& clock) {
  if (serverTime == 0.0) return;
  state.FTimeDifference = serverTime - clock.Now();
  state.hands = HandAnglesFrom(state.FTimeDifference);
}

}  // namespace

void AimAtTimeServer(TSntpClient& client) {
  client.Host = kTimeServer;
  client.Port = kNtpPort;
  client.ReceiveTimeout = kAnswerTimeoutMs;
}

void SyncTimeCommand(ClockState& state, TSntpClient& client, const WallClock& clock) {
  ActiveDuring socket(client);
  if (client.SyncLocalClock()) {
    SetClockType(state, ctAtomic);
    ShowDifference(state, client.QueryServerTime(), clock);
  }
}

void SeeTimeDifferenceCommand(ClockState& state, TSntpClient& client, const WallClock& clock) {
  SetClockType(state, ctAtomic);
  TDateTime server;
  {
    ActiveDuring socket(client);
    server = client.QueryServerTime();
  }
  ShowDifference(state, server, clock);
}
