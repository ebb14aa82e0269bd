#include "app/snapshot_win32.h"

#include <fstream>

#include "app/clock_tick.h"
#include "app/frame_update.h"
#include "app/locale_win32.h"
#include "app/ormel_error.h"
#include "image/png_encoder.h"
#include "time/local_clock_win32.h"

namespace {

// A wall clock that stands still at the snapshot's moment.
class FixedClock : public WallClock {
 public:
  explicit FixedClock(TDateTime at) : at_(at) {}
  TDateTime Now() const override { return at_; }

 private:
  TDateTime at_;
};

// The tick's view of a window that is always visible and draws into one bitmap.
class SnapshotHost : public ClockHost {
 public:
  SnapshotHost(ClockState& state, TDateTime at) : state_(state), at_(at) {}
  TDateTime DisplayedTime() override { return at_; }
  uint64_t UptimeMilliseconds() override { return uptime_.Milliseconds(); }
  bool WindowVisible() override { return true; }
  void ShowForAlarm() override {}
  void SetClockType(ClockType type) override { state_.FClockType = type; }
  void StartBeep() override {}
  void PlayChime() override {}
  void UpdateDisplay() override { ComposeClockFrame(state_, at_, UptimeMilliseconds(), frame); }

  TBitmap32 frame;

 private:
  ClockState& state_;
  TDateTime at_;
  UptimeCounter uptime_;
};

}  // namespace

int RunSnapshot(const CommandLine& cl) {
  const TDateTime at = cl.at.value_or(LocalWallClock().Now());
  FixedClock clock(at);
  ClockState state(clock);
  state.FCountdownTo = at;
  state.FFormatSettings = UserFormatSettings();
  state.FLastMinute = static_cast<int16_t>(DecodeDateTime(at).minute);
  SnapshotHost host(state, at);
  host.SetClockType(cl.mode.value_or(ctClock));
  Timer1Timer(state, host);
  if (host.frame.Empty()) host.UpdateDisplay();  // modes without a tick redraw of their own

  const std::vector<uint8_t> png = EncodePngFromPremultiplied(host.frame);
  std::ofstream out(cl.snapshotPath, std::ios::binary);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  if (!out) throw OrmelError("Cannot write the snapshot to " + cl.snapshotPath);
  return 0;
}
