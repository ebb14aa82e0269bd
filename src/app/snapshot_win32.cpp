#include "app/snapshot_win32.h"

#include <fstream>

#include "app/clock_skin_win32.h"
#include "app/clock_tick.h"
#include "app/locale_win32.h"
#include "app/ormel_error.h"
#include "image/png_encoder.h"
#include "skin/skin_scan.h"
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
  SnapshotHost(ClockState& state, ClockSkin& skin, TDateTime at) : state_(state), skin_(skin), at_(at) {}
  TDateTime DisplayedTime() override { return at_; }
  uint64_t UptimeMilliseconds() override { return uptime_.Milliseconds(); }
  bool WindowVisible() override { return true; }
  void ShowForAlarm() override {}
  void SetClockType(ClockType type) override { state_.FClockType = type; }
  void StartBeep() override {}
  void PlayChime() override {}
  void UpdateDisplay() override {
    skin_.Compose(state_, at_, UptimeMilliseconds(), false);
    drawn = true;
  }

  bool drawn = false;

 private:
  ClockState& state_;
  ClockSkin& skin_;
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
  ClockSkin skin(SkinsRoot());
  if (!cl.skin.empty()) state.FSkinName = cl.skin;
  if (cl.label) state.FClockLabel = *cl.label;
  state.FSkinName = LoadStartupSkin(state.FSkinName, [&](const std::string& name) {
    skin.Load(name, state.FFormatSettings);
  });
  SnapshotHost host(state, skin, at);
  host.SetClockType(cl.mode.value_or(ctClock));
  Timer1Timer(state, host);
  if (!host.drawn) host.UpdateDisplay();  // modes without a tick redraw of their own

  const std::vector<uint8_t> png = EncodePngFromPremultiplied(skin.Frame());
  std::ofstream out(cl.snapshotPath, std::ios::binary);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  if (!out) throw OrmelError("Cannot write the snapshot to " + cl.snapshotPath);
  return 0;
}
