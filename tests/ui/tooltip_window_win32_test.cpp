#include "ui/tooltip_window_win32.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "app/button_tips.h"

namespace {

// A plain owner window for the tooltip window, like the clock's main window.
struct OwnerWindow {
  OwnerWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrmelTooltipTestOwner";
    RegisterClassA(&wc);
    hwnd = CreateWindowExA(0, wc.lpszClassName, "owner", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                           wc.hInstance, nullptr);
  }
  ~OwnerWindow() { DestroyWindow(hwnd); }
  HWND hwnd;
};

struct TooltipWindowWin32Test : ::testing::Test {
  TooltipWindowWin32Test() {
    AddButtonTools(manager, left, right);
    manager.SetBalloonTip(false);
  }
  int ToolCount() const { return static_cast<int>(SendMessageA(tips.Handle(), TTM_GETTOOLCOUNT, 0, 0)); }
  TTTOOLINFOA Tool(int index) const {
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    SendMessageA(tips.Handle(), TTM_ENUMTOOLSA, index, reinterpret_cast<LPARAM>(&ti));
    return ti;
  }
  std::string TextOf(uint32_t id) const {
    char text[1024] = {};
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = owner.hwnd;
    ti.uId = id;
    ti.lpszText = text;
    SendMessageA(tips.Handle(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&ti));
    return text;
  }

  OwnerWindow owner;
  TSknButton left{10, 67, 24, 16};
  TSknButton right{110, 67, 24, 16};
  TooltipWindowWin32 tips{owner.hwnd, GetModuleHandleA(nullptr)};
  TToolTipManager manager{tips};
};

TEST_F(TooltipWindowWin32Test, BothButtonsGetTheirOwnToolOverTheirBox) {
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
  EXPECT_EQ(a.uFlags & (TTF_SUBCLASS | TTF_TRANSPARENT | TTF_IDISHWND), UINT(TTF_SUBCLASS | TTF_TRANSPARENT));
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

TEST_F(TooltipWindowWin32Test, AModeChangeShowsTheNewTextsWithoutExtraTools) {
  manager.Loaded();
  for (ClockType mode : {ctTimer, ctUpTime, ctCountdown}) {
    ApplyButtonTips(manager, mode);
    EXPECT_EQ(ToolCount(), 2);
    EXPECT_EQ(TextOf(TToolTipManager::ToolId(0)), ButtonTipsFor(mode).left);
    EXPECT_EQ(TextOf(TToolTipManager::ToolId(1)), ButtonTipsFor(mode).right);
  }
}

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

}  // namespace
