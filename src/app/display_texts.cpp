#include "app/display_texts.h"

#include <cmath>

#include "app/clock_tick.h"
#include "time/date_format.h"

std::string FitTimeText(std::string text) {
  if (text.size() > 8) text.resize(8);
  else if (text.size() < 8) text.insert(text.begin(), '0');
  return text;
}

namespace {

std::string MillisecondText(TDateTime v) { return std::to_string(DecodeDateTime(v).millisecond); }

}  // namespace

FrameTexts ComputeDisplayTexts(const ClockState& state, TDateTime now, uint64_t uptimeMs) {
  const FormatSettings& fs = state.FFormatSettings;
  FrameTexts t;
  TDateTime v = now;
  std::string timeFormat = "H:nn:ss";
  switch (state.FClockType) {
    case ctClock:
      t.title = state.FClockLabel;
      if (state.options.amPm) timeFormat = "hh:nn:ss am/pm";
      t.date = FormatDateTime("mmm dd", now, fs);
      t.weekday = FormatDateTime("dddd", now, fs);
      if (state.options.amPm) t.amPm = FormatDateTime("am/pm", now, fs);
      break;
    case ctCountdown:
      t.title = "countdown";
      if (CountdownPassed(state, now)) {
        v = 0;
        t.date = "0 days";
      } else {
        v = state.FCountdownTo - now;
        t.date = std::to_string(WholeDaysBetween(state.FCountdownTo, now)) + " days";
      }
      break;
    case ctUpTime: {
      t.title = "uptime";
      v = UptimeValue(uptimeMs);
      const double days = std::trunc(v);
      t.date = std::to_string(static_cast<int64_t>(days)) + (days == 1 ? " day" : " days");
      break;
    }
    case ctStopwatch:
      t.title = "stopwatch";
      v = state.StopWatch1.GetElapsedTime();
      t.date = MillisecondText(v);
      break;
    case ctTimer: {
      t.title = "timer";
      const TDateTime elapsed = state.swTimer.GetElapsedTime();
      v = state.FTimerLength - elapsed;
      t.date = elapsed >= state.FTimerLength ? "000" : MillisecondText(v);
      break;
    }
    case ctAtomic:
      t.title = "atomic";
      v = state.FTimeDifference;
      t.date = MillisecondText(v);
      break;
  }
  t.time = FitTimeText(FormatDateTime(timeFormat, v, fs));
  return t;
}

HandAngles ShownHands(const ClockState& state, TDateTime now) {
  return state.FClockType == ctCountdown && CountdownPassed(state, now) ? HandAngles{} : state.hands;
}

FrameInputs FrameInputsFor(const ClockState& state, TDateTime now, bool beepRunning) {
  FrameInputs in;
  in.titleHot = state.FTitleHot;
  in.beepRunning = beepRunning;
  in.secondEven = DecodeDateTime(now).second % 2 == 0;
  // Only the watch of the mode shown counts: a timer running behind the Stopwatch mode does not.
  in.watchRunning = (state.FClockType == ctStopwatch && state.StopWatch1.Running()) ||
                    (state.FClockType == ctTimer && state.swTimer.Running());
  in.weekdayWithoutHands = state.FClockType == ctClock;
  in.displayArrows = state.FDisplayArrows;
  return in;
}
