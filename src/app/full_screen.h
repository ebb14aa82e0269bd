#pragma once
#include <vector>

#include "app/screen_fit.h"

// The foreground window as the full-screen test needs it.
struct ForegroundView {
  bool present = false;
  // The desktop, the shell's own windows (task bar, desktop icons) or one of the clock's:
  // none of them is a full-screen program, whatever its size.
  bool desktopShellOrOwn = false;
  FormRect rect;
};

// What the shell says of the user's state, as far as the clock cares.
enum class ShellState { Quiet, FullScreenDirect3D, Presentation };

// When the clock's tick looks at the foreground window, where the system's foreground events
// never come (Wine sends none): once a second, soon enough for a program going full screen.
// While the clock's own program holds the foreground no program can be full screen in front
// of it, so there is nothing to look for; the system says when the clock's program takes the
// foreground and when it loses it (WM_ACTIVATEAPP), and the next tick looks then.
class ForegroundLooks {
 public:
  // Whether this tick looks.
  bool TickLooks();
  // The system's events have come: from now on they say every change.
  void EventsArrived() { eventsArrive_ = true; }
  void OwnForeground(bool own);

 private:
  static constexpr int kTicksBetweenLooks = 9;  // a look every tenth 100 ms tick
  bool eventsArrive_ = false;
  bool own_ = false;
  bool ownChanged_ = false;
  int ticksToLook_ = 0;
};

// Whether an "On Top" clock at `clock` leaves the topmost band: the foreground window is a
// program covering the clock's monitor, or the shell says a full-screen Direct3D program or
// a presentation runs and the foreground window is on the clock's monitor.
bool StepsAsideForFullScreen(const ForegroundView& foreground, ShellState shell, const FormRect& clock,
                             const std::vector<MonitorArea>& monitors);
