#include "app/full_screen.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const MonitorArea kLeft{{0, 0, 1280, 800}, {0, 0, 1280, 760}};
const MonitorArea kRight{{1280, 0, 2560, 800}, {1280, 0, 2560, 800}};
const FormRect kClockOnLeft{1000, 500, 1192, 692};
const FormRect kClockOnRight{2000, 100, 2192, 292};

ForegroundView Program(FormRect rect) { return {true, false, rect}; }

}  // namespace

TEST(FullScreen, StepsAsideOnlyForAFullScreenProgramOnItsMonitor) {
  struct Case {
    const char* name;
    ForegroundView foreground;
    ShellState shell;
    FormRect clock;
    std::vector<MonitorArea> monitors;
    bool aside;
  } cases[] = {
      {"a borderless window covering the monitor", Program({0, 0, 1280, 800}), ShellState::Quiet, kClockOnLeft,
       {kLeft}, true},
      {"a window larger than the monitor", Program({-8, -8, 1288, 808}), ShellState::Quiet, kClockOnLeft, {kLeft},
       true},
      {"a maximised window above the task bar", Program({0, 0, 1280, 760}), ShellState::Quiet, kClockOnLeft,
       {kLeft}, false},
      {"a small window", Program({100, 100, 600, 400}), ShellState::Quiet, kClockOnLeft, {kLeft}, false},
      {"the desktop", {true, true, {0, 0, 1280, 800}}, ShellState::Quiet, kClockOnLeft, {kLeft}, false},
      {"no foreground window", {false, false, {0, 0, 1280, 800}}, ShellState::Quiet, kClockOnLeft, {kLeft}, false},
      {"full screen on the other monitor", Program({0, 0, 1280, 800}), ShellState::Quiet, kClockOnRight,
       {kLeft, kRight}, false},
      {"full screen on the clock's monitor of two", Program({1280, 0, 2560, 800}), ShellState::Quiet, kClockOnRight,
       {kLeft, kRight}, true},
      {"spanning both monitors", Program({0, 0, 2560, 800}), ShellState::Quiet, kClockOnRight, {kLeft, kRight},
       true},
      {"Direct3D full screen said by the shell", Program({0, 0, 640, 480}), ShellState::FullScreenDirect3D,
       kClockOnLeft, {kLeft}, true},
      {"a presentation on the other monitor", Program({0, 0, 640, 480}), ShellState::Presentation, kClockOnRight,
       {kLeft, kRight}, false},
      {"the clock dragged half off its monitor", Program({0, 0, 1280, 800}), ShellState::Quiet,
       {1100, 500, 1292, 692}, {kLeft, kRight}, true},
      {"no monitors known", Program({0, 0, 1280, 800}), ShellState::Quiet, kClockOnLeft, {}, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StepsAsideForFullScreen(c.foreground, c.shell, c.clock, c.monitors), c.aside) << c.name;
}

TEST(FullScreen, TheTickLooksOnceASecondUnlessTheClockHoldsTheForegroundOrEventsCome) {
  enum Step { Tick, Own, Lost, Events };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    std::vector<int> looks;  // the ticks, counted from 0, that look
  } cases[] = {
      {"nothing said: the first tick and every tenth", std::vector<Step>(21, Tick), {0, 10, 20}},
      {"the clock takes the foreground: the next tick looks, then none",
       {Own, Tick, Tick, Tick, Tick, Tick, Tick, Tick, Tick, Tick, Tick, Tick, Tick}, {0}},
      {"it loses the foreground: the next tick looks", {Tick, Own, Tick, Tick, Lost, Tick, Tick}, {0, 1, 3}},
      {"a foreground it never held is not lost", {Tick, Tick, Lost, Tick}, {0}},
      {"events come", {Tick, Events, Tick, Tick, Tick, Tick, Tick, Tick, Tick, Tick, Tick, Tick, Tick}, {0}},
  };
  for (const Case& c : cases) {
    ForegroundLooks looks;
    std::vector<int> looked;
    int tick = 0;
    for (Step step : c.steps) {
      if (step == Own) looks.OwnForeground(true);
      if (step == Lost) looks.OwnForeground(false);
      if (step == Events) looks.EventsArrived();
      if (step != Tick) continue;
      if (looks.TickLooks()) looked.push_back(tick);
      ++tick;
    }
    EXPECT_EQ(looked, c.looks) << c.name;
  }
}
