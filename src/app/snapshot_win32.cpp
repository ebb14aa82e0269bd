#include "app/snapshot_win32.h"

#include <fstream>
#include <optional>

#include "app/clock_skin_win32.h"
#include "app/clock_tick.h"
#include "base/ormel_error.h"
#include "base/unicode_text.h"
#include "image/png_encoder.h"
#include "time/local_clock_win32.h"
#include "time/locale_win32.h"

namespace {

// A wall clock that stands still at the snapshot's moment.
class FixedClock : public WallClock {
 public:
  explicit FixedClock(TDateTime at) : at_(at) {}
  TDateTime Now() const override { return at_; }
  TDateTime UtcNow() const override { return at_; }

 private:
  TDateTime at_;
};

// Writes the whole file or none of it.
void WriteSnapshot(const std::string& path, const std::vector<uint8_t>& png) {
  std::error_code ignored;
  {
    std::ofstream out(PathFromUtf8(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    out.close();
    if (out) return;
  }
  std::filesystem::remove(PathFromUtf8(path), ignored);
  throw OrmelError("Cannot write the snapshot to " + path);
}

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
  // A preview shows the skin asked for or nothing: another skin's face would mislead.
  // At 100 % unless asked: a preview must not depend on the display it happens to run on.
  skin.Load(state.FSkinName, state.FFormatSettings, cl.scale.value_or(1));
  // A given uptime makes a preview that shows the same whenever it runs.
  const uint64_t uptimeMs = cl.uptimeMilliseconds ? *cl.uptimeMilliseconds : UptimeCounter().Milliseconds();
  SetClockType(state, cl.mode.value_or(ctClock));
  ClockTick(state, {at, uptimeMs});  // the snapshot composes once, after the tick
  skin.Compose(state, at, uptimeMs, false);

  WriteSnapshot(cl.snapshotPath, EncodePngFromPremultiplied(skin.Frame()));
  return 0;
}
