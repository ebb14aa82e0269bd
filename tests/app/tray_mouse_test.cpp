#include "app/tray_mouse.h"

#include <gtest/gtest.h>

TEST(TrayMouse, ReleasesRaiseClicksOnlyAfterPresses) {
  TrayMouseRouter r;
  EXPECT_FALSE(r.Handle(TrayMouse::LeftUp).click);  // a release without a press
  r.Handle(TrayMouse::LeftDown);
  TrayAction a = r.Handle(TrayMouse::LeftUp);
  EXPECT_TRUE(a.click);
  EXPECT_EQ(a.button, TrayButton::Left);
  r.Handle(TrayMouse::RightDown);
  a = r.Handle(TrayMouse::RightUp);
  EXPECT_TRUE(a.click);
  EXPECT_EQ(a.button, TrayButton::Right);
}

TEST(TrayMouse, DoubleClickTogglesOnceThenRunsTheDefaultItem) {
  TrayMouseRouter r;
  int clicks = 0, defaults = 0;
  for (TrayMouse e : {TrayMouse::LeftDown, TrayMouse::LeftUp, TrayMouse::LeftDoubleClick, TrayMouse::LeftUp}) {
    const TrayAction a = r.Handle(e);
    clicks += a.click;
    defaults += a.doubleClick;
  }
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(defaults, 1);
}

TEST(TrayMouse, MiddleButtonAndMovesDoNothing) {
  TrayMouseRouter r;
  for (TrayMouse e : {TrayMouse::Move, TrayMouse::MiddleDown, TrayMouse::MiddleUp, TrayMouse::MiddleDoubleClick,
                      TrayMouse::RightDoubleClick}) {
    const TrayAction a = r.Handle(e);
    EXPECT_FALSE(a.click);
    EXPECT_FALSE(a.doubleClick);
  }
}
