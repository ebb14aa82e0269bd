#pragma once
#include <cstddef>
#include <optional>
#include <vector>

#include "app/fade_driver.h"
#include "app/settings_placement.h"

// A monitor as the clock sees it: the whole of it, and its work area, which task bars leave free.
struct MonitorArea {
  FormRect bounds;
  FormRect work;
};

// Whether every pixel of `r` lies on one of `areas` (which may touch, or overlap).
bool FullyCovered(const FormRect& r, const std::vector<FormRect>& areas);

// The monitor that holds `p`, or the one closest to it; 0 when there is none.
size_t NearestMonitor(ScreenPoint p, const std::vector<MonitorArea>& monitors);

// Where a face at `face` must go to be seen whole: nullopt when it already lies on the
// monitors' work areas, else the same size moved into the work area of the monitor nearest
// its centre (to the area's top-left corner when it is larger).
std::optional<FormRect> PlaceInView(const FormRect& face, const std::vector<MonitorArea>& monitors);

// Start-up, and a change of monitors or work areas: a face that would not be seen whole is
// pulled into view. A hidden or fading clock gets a new home centre, where it will show; a
// clock shown at rest is to move now, to the top-left corner returned.
std::optional<ScreenPoint> PullIntoView(FadeState& fade, bool visible, const FormRect& window,
                                      const std::vector<MonitorArea>& monitors);
