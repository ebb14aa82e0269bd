#include "app/screen_fit.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "app/closing_steps.h"

namespace {

bool Contains(const FormRect& r, int64_t x, int64_t y) {
  return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

// Squared distance from `p` to the nearest pixel of `r`.
int64_t DistanceSquared(ScreenPoint p, const FormRect& r) {
  const int64_t dx = std::max<int64_t>({int64_t{r.left} - p.x, 0, int64_t{p.x} - (r.right - 1)});
  const int64_t dy = std::max<int64_t>({int64_t{r.top} - p.y, 0, int64_t{p.y} - (r.bottom - 1)});
  return dx * dx + dy * dy;
}

// The edges of `areas` that cut through `r` along one axis, with r's own two.
std::vector<int64_t> Cuts(int32_t from, int32_t to, const std::vector<FormRect>& areas, bool horizontal) {
  std::vector<int64_t> cuts{from, to};
  for (const FormRect& a : areas) {
    const std::array<int32_t, 2> edges = horizontal ? std::array<int32_t, 2>{a.left, a.right}
                                                    : std::array<int32_t, 2>{a.top, a.bottom};
    for (int32_t edge : edges)
      if (from < edge && edge < to) cuts.push_back(edge);
  }
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
  return cuts;
}

}  // namespace

bool FullyCovered(const FormRect& r, const std::vector<FormRect>& areas) {
  if (r.left >= r.right || r.top >= r.bottom) return true;
  // No area edge crosses a cell of this grid, so one pixel of each cell speaks for it.
  const std::vector<int64_t> xs = Cuts(r.left, r.right, areas, true);
  const std::vector<int64_t> ys = Cuts(r.top, r.bottom, areas, false);
  for (size_t i = 0; i + 1 < xs.size(); ++i)
    for (size_t j = 0; j + 1 < ys.size(); ++j)
      if (std::none_of(areas.begin(), areas.end(),
                       [&](const FormRect& a) { return Contains(a, xs[i], ys[j]); }))
        return false;
  return true;
}

size_t NearestMonitor(ScreenPoint p, const std::vector<MonitorArea>& monitors) {
  size_t nearest = 0;
  for (size_t i = 1; i < monitors.size(); ++i)
    if (DistanceSquared(p, monitors[i].bounds) < DistanceSquared(p, monitors[nearest].bounds)) nearest = i;
  return nearest;
}

std::optional<FormRect> PlaceInView(const FormRect& face, const std::vector<MonitorArea>& monitors) {
  if (monitors.empty()) return std::nullopt;
  std::vector<FormRect> work;
  for (const MonitorArea& m : monitors) work.push_back(m.work);
  if (FullyCovered(face, work)) return std::nullopt;
  const FormRect& area = monitors[NearestMonitor(WindowCentre(face), monitors)].work;
  const int32_t w = face.right - face.left, h = face.bottom - face.top;
  const int32_t left = std::max(area.left, std::min(face.left, area.right - w));
  const int32_t top = std::max(area.top, std::min(face.top, area.bottom - h));
  return FormRect{left, top, left + w, top + h};
}

std::optional<ScreenPoint> PullIntoView(FadeState& fade, bool visible, const FormRect& window,
                                      const std::vector<MonitorArea>& monitors) {
  const auto place = PlaceInView(ShownRect(window, fade, visible), monitors);
  if (!place) return std::nullopt;
  const bool zoomedFromHome = fade.zoomOrigin == fade.homeCenter;
  fade.homeCenter = WindowCentre(*place);
  if (zoomedFromHome) fade.zoomOrigin = fade.homeCenter;
  // A fade places the window at each step; a hidden clock shows at its home centre.
  if (visible && !fade.running) return ScreenPoint{place->left, place->top};
  return std::nullopt;
}
