#include "app/full_screen.h"

#include <utility>

bool ForegroundLooks::TickLooks() {
  if (eventsArrive_) return false;
  if (!std::exchange(ownChanged_, false) && (own_ || ticksToLook_-- > 0)) return false;
  ticksToLook_ = kTicksBetweenLooks;
  return true;
}

void ForegroundLooks::OwnForeground(bool own) {
  ownChanged_ = ownChanged_ || own != own_;
  own_ = own;
}

bool StepsAsideForFullScreen(const ForegroundView& foreground, ShellState shell, const FormRect& clock,
                             const std::vector<MonitorArea>& monitors) {
  if (!foreground.present || foreground.desktopShellOrOwn || monitors.empty()) return false;
  const size_t clockMonitor = NearestMonitor(WindowCentre(clock), monitors);
  if (NearestMonitor(WindowCentre(foreground.rect), monitors) != clockMonitor) return false;
  return FullyCovered(monitors[clockMonitor].bounds, {foreground.rect}) || shell != ShellState::Quiet;
}
