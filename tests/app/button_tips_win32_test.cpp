// The clock's button tips on the real tooltip window.
#include "app/button_tips.h"

#include <gtest/gtest.h>

#include "ui/tooltip_window_fixture_win32.h"

namespace {

struct ButtonTipsWin32Test : TooltipWindowFixture {
  ButtonTipsWin32Test() {
    AddButtonTools(manager, left, right);
    manager.SetBalloonTip(false);
  }
};

TEST_F(ButtonTipsWin32Test, BothButtonsGetTheirOwnToolOverTheirBox) {
  manager.Loaded();
  ApplyButtonTips(manager, ctClock);
  ASSERT_TRUE(tips.Exists());
  char cls[64] = {};
  GetClassNameA(tips.Handle(), cls, sizeof cls);
  EXPECT_STREQ(cls, "tooltips_class32");
  EXPECT_EQ(GetWindow(tips.Handle(), GW_OWNER), owner.hwnd);
  const LONG style = GetWindowLongA(tips.Handle(), GWL_STYLE);
  EXPECT_EQ(style & (TTS_ALWAYSTIP | TTS_NOPREFIX), TTS_ALWAYSTIP | TTS_NOPREFIX);
  EXPECT_EQ(style & TTS_BALLOON, 0);

  ASSERT_EQ(ToolCount(), 2);
  const TTTOOLINFOA a = Tool(0), b = Tool(1);
  EXPECT_NE(a.uId, b.uId);
  EXPECT_EQ(a.hwnd, owner.hwnd);
  // The clock relays its mouse messages itself (TooltipWindowWin32::RelayMouse).
  EXPECT_EQ(a.uFlags & (TTF_SUBCLASS | TTF_TRANSPARENT | TTF_IDISHWND), UINT(TTF_TRANSPARENT));
  const TTTOOLINFOA& first = a.uId == TToolTipManager::ToolId(0) ? a : b;
  const TTTOOLINFOA& second = a.uId == TToolTipManager::ToolId(0) ? b : a;
  EXPECT_EQ(first.rect.left, 10);
  EXPECT_EQ(first.rect.top, 67);
  EXPECT_EQ(first.rect.right, 34);
  EXPECT_EQ(first.rect.bottom, 83);
  EXPECT_EQ(second.rect.left, 110);
  EXPECT_EQ(TextOf(TToolTipManager::ToolId(0)), "Sync time");
  EXPECT_EQ(TextOf(TToolTipManager::ToolId(1)), "See the time difference");
}

TEST_F(ButtonTipsWin32Test, AModeChangeShowsTheNewTextsWithoutExtraTools) {
  manager.Loaded();
  for (ClockType mode : {ctTimer, ctUpTime, ctCountdown}) {
    ApplyButtonTips(manager, mode);
    EXPECT_EQ(ToolCount(), 2);
    EXPECT_EQ(TextOf(TToolTipManager::ToolId(0)), ButtonTipsFor(mode).left);
    EXPECT_EQ(TextOf(TToolTipManager::ToolId(1)), ButtonTipsFor(mode).right);
  }
}

}  // namespace
