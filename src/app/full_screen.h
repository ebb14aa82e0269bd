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

// Whether an "On Top" clock at `clock` leaves the topmost band: the foreground window is a
// program covering the clock's monitor, or the shell says a full-screen Direct3D program or
// a presentation runs and the foreground window is on the clock's monitor.
bool StepsAsideForFullScreen(const ForegroundView& foreground, ShellState shell, const FormRect& clock,
                             const std::vector<MonitorArea>& monitors);
