#include "ui/tooltip_window_win32.h"

#include <gtest/gtest.h>

#include "ui/tooltip_window_fixture_win32.h"

namespace {

struct TooltipWindowWin32Test : TooltipWindowFixture {
  TooltipWindowWin32Test() {
    manager.ToolTips.push_back(TToolTipItem{&left, "left", ""});
    manager.ToolTips.push_back(TToolTipItem{&right, "right", ""});
    manager.SetBalloonTip(false);
  }
};

TEST_F(TooltipWindowWin32Test, RecreatingAfterASkinMovedTheButtonsTakesTheNewBoxes) {
  manager.Loaded();
  const HWND before = tips.Handle();
  right.left = 150;
  right.top = 20;
  manager.Recreate();
  EXPECT_FALSE(IsWindow(before));
  ASSERT_EQ(ToolCount(), 2);
  for (int i = 0; i < 2; ++i) {
    const TTTOOLINFOA t = Tool(i);
    if (t.uId == TToolTipManager::ToolId(1)) {
      EXPECT_EQ(t.rect.left, 150);
      EXPECT_EQ(t.rect.top, 20);
    }
  }
  manager.SetBalloonTip(true);
  EXPECT_NE(GetWindowLongA(tips.Handle(), GWL_STYLE) & TTS_BALLOON, 0);
  EXPECT_EQ(ToolCount(), 2);
}

TEST_F(TooltipWindowWin32Test, PausesAndDisabling) {
  manager.Loaded();
  manager.SetShowPause(250);
  manager.SetHidePause(8000);
  manager.SetReshowPause(40);
  EXPECT_EQ(SendMessageA(tips.Handle(), TTM_GETDELAYTIME, TTDT_INITIAL, 0), 250);
  EXPECT_EQ(SendMessageA(tips.Handle(), TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 8000);
  EXPECT_EQ(SendMessageA(tips.Handle(), TTM_GETDELAYTIME, TTDT_RESHOW, 0), 40);
  const HWND window = tips.Handle();
  manager.SetEnabled(false);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(tips.Exists());
}

// The owner relays its mouse messages: a tool that subclassed it would put a property lookup
// in Wine's server before each of its messages, ten ticks a second.
TEST_F(TooltipWindowWin32Test, TheToolsLeaveTheOwnersWindowProcedureAlone) {
  const LONG_PTR procedure = GetWindowLongPtrA(owner.hwnd, GWLP_WNDPROC);
  manager.Loaded();
  ASSERT_EQ(ToolCount(), 2);
  EXPECT_EQ(GetWindowLongPtrA(owner.hwnd, GWLP_WNDPROC), procedure);
}

}  // namespace
