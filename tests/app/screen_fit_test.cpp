#include "app/screen_fit.h"

#include <gtest/gtest.h>

namespace {

const MonitorArea kLaptop{{0, 0, 1280, 800}, {0, 0, 1280, 760}};  // task bar at the bottom
const MonitorArea kRightOfLaptop{{1280, 0, 2560, 800}, {1280, 0, 2560, 800}};
const MonitorArea kLeftOfLaptop{{-1920, -280, 0, 800}, {-1920, -280, 0, 800}};

FormRect Face(int32_t left, int32_t top, int32_t size = 192) { return {left, top, left + size, top + size}; }

}  // namespace

TEST(ScreenFit, FullyCoveredByTheAreas) {
  struct Case {
    const char* name;
    FormRect r;
    std::vector<FormRect> areas;
    bool covered;
  } cases[] = {
      {"inside one", {10, 10, 20, 20}, {{0, 0, 100, 100}}, true},
      {"edge to edge", {0, 0, 100, 100}, {{0, 0, 100, 100}}, true},
      {"one pixel over the right edge", {1, 0, 101, 100}, {{0, 0, 100, 100}}, false},
      {"one pixel above the top", {0, -1, 10, 9}, {{0, 0, 100, 100}}, false},
      {"across two that touch", {90, 10, 110, 20}, {{0, 0, 100, 100}, {100, 0, 200, 100}}, true},
      {"across two at different heights, into the gap", {90, 90, 110, 110}, {{0, 0, 100, 100}, {100, 0, 200, 200}},
       false},
      {"on two that overlap at 0,0", {10, 10, 20, 20}, {{0, 0, 100, 100}, {0, 0, 100, 100}}, true},
      {"no areas", {0, 0, 1, 1}, {}, false},
      {"an empty rectangle", {5, 5, 5, 5}, {}, true},
  };
  for (const Case& c : cases) EXPECT_EQ(FullyCovered(c.r, c.areas), c.covered) << c.name;
}

TEST(ScreenFit, NearestMonitorToAPoint) {
  const std::vector<MonitorArea> two{kLaptop, kRightOfLaptop};
  struct Case {
    ScreenPoint p;
    size_t nearest;
  } cases[] = {
      {{640, 400}, 0}, {{1279, 799}, 0}, {{1280, 0}, 1}, {{3000, 400}, 1},
      {{1290, 5000}, 1},  // below both, closer to the right one
      {{-50, -50}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(NearestMonitor(c.p, two), c.nearest) << c.p.x << "," << c.p.y;
  EXPECT_EQ(NearestMonitor({5, 5}, {}), 0u);
}

TEST(ScreenFit, PlaceInView) {
  struct Case {
    const char* name;
    FormRect face;
    std::vector<MonitorArea> monitors;
    std::optional<FormRect> place;  // nullopt: stays
  } cases[] = {
      {"fully on the screen", Face(100, 100), {kLaptop}, std::nullopt},
      {"an 80 x 100 corner in view", {1200, 700, 1392, 892}, {kLaptop}, Face(1088, 568)},
      {"30 x 30 transparent pixels in view", Face(1250, 770), {kLaptop}, Face(1088, 568)},
      {"under the task bar only", Face(400, 600), {kLaptop}, Face(400, 568)},
      {"off the left and top", Face(-100, -50), {kLaptop}, Face(0, 0)},
      {"across two monitors", Face(1200, 100), {kLaptop, kRightOfLaptop}, std::nullopt},
      {"saved on the second monitor, which is gone", Face(2000, 300), {kLaptop}, Face(1088, 300)},
      {"off the second monitor's right edge", Face(2500, 300), {kLaptop, kRightOfLaptop}, Face(2368, 300)},
      {"on a monitor at negative places", Face(-1000, -270), {kLaptop, kLeftOfLaptop}, std::nullopt},
      {"above the shorter monitor, beside the taller", Face(100, -200), {kLaptop, kLeftOfLaptop}, Face(100, 0)},
      {"larger than the work area", {-10, -10, 1400, 900}, {kLaptop}, FormRect{0, 0, 1410, 910}},
      {"no monitors known", Face(5000, 5000), {}, std::nullopt},
  };
  for (const Case& c : cases) {
    const auto place = PlaceInView(c.face, c.monitors);
    ASSERT_EQ(place.has_value(), c.place.has_value()) << c.name;
    if (!place) continue;
    EXPECT_EQ(place->left, c.place->left) << c.name;
    EXPECT_EQ(place->top, c.place->top) << c.name;
    EXPECT_EQ(place->right - place->left, c.face.right - c.face.left) << c.name;
    EXPECT_EQ(place->bottom - place->top, c.face.bottom - c.face.top) << c.name;
  }
}

TEST(ScreenFit, PullIntoViewMovesTheShownFaceOrItsHome) {
  struct Case {
    const char* name;
    bool visible, fading;
    ScreenPoint home, zoomOrigin;
    std::vector<ScreenPoint> moves;
    ScreenPoint newHome, newZoomOrigin;
  } cases[] = {
      {"shown at rest: moved now", true, false, {1346, 866}, {1346, 866}, {{1088, 568}}, {1184, 664}, {1184, 664}},
      {"growing at start-up: the fade's steps take the new home", true, true, {1346, 866}, {1346, 866}, {},
       {1184, 664}, {1184, 664}},
      {"hidden in the tray: shows at the new home", false, false, {1346, 866}, {900, 790}, {}, {1184, 664},
       {900, 790}},
      {"hidden, its home in view: stays", false, false, {300, 300}, {1346, 866}, {}, {300, 300}, {1346, 866}},
  };
  for (const Case& c : cases) {
    FadeState fade;
    fade.zoom = c.fading ? 200 : 255;
    fade.running = c.fading;
    fade.homeCenter = c.home;
    fade.zoomOrigin = c.zoomOrigin;
    const std::optional<ScreenPoint> move = PullIntoView(fade, c.visible, Face(1250, 770), {kLaptop});
    ASSERT_EQ(move.has_value(), !c.moves.empty()) << c.name;
    if (move) EXPECT_EQ(*move, c.moves.front()) << c.name;
    EXPECT_EQ(fade.homeCenter, c.newHome) << c.name;
    EXPECT_EQ(fade.zoomOrigin, c.newZoomOrigin) << c.name;
  }
}
