#include "app/full_screen.h"

bool StepsAsideForFullScreen(const ForegroundView& foreground, ShellState shell, const FormRect& clock,
                             const std::vector<MonitorArea>& monitors) {
  if (!foreground.present || foreground.desktopShellOrOwn || monitors.empty()) return false;
  const size_t clockMonitor = NearestMonitor(WindowCentre(clock), monitors);
  if (NearestMonitor(WindowCentre(foreground.rect), monitors) != clockMonitor) return false;
  return FullyCovered(monitors[clockMonitor].bounds, {foreground.rect}) || shell != ShellState::Quiet;
}
