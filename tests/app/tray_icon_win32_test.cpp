#include "app/tray_icon_win32.h"

#include <gtest/gtest.h>

namespace {

struct Counts {
  int clicks = 0, popups = 0, defaults = 0, raises = 0;
};

struct TrayIconWin32 : ::testing::Test {
  TrayIconWin32() {
    TTrayIcon::Events e;
    e.click = [this] { ++n.clicks; };
    e.popup = [this] { ++n.popups; };
    e.doubleClick = [this] { ++n.defaults; };
    e.held = [this] { return held; };
    e.raiseDialog = [this] { ++n.raises; };
    IconHandle icon(CopyIcon(LoadIcon(nullptr, IDI_APPLICATION)));
    tray = std::make_unique<TTrayIcon>(GetModuleHandleA(nullptr), std::move(icon), "Ormel Clock", std::move(e));
  }
  // The shell's callback for a mouse message over the icon.
  void Shell(std::initializer_list<UINT> mouse) {
    for (UINT m : mouse) SendMessageA(tray->Window(), TTrayIcon::kCallbackMessage, 0, m);
  }
  Counts n;
  bool held = false;
  std::unique_ptr<TTrayIcon> tray;
};

TEST_F(TrayIconWin32, ALeftClickShowsOrHidesAndARightClickOpensTheMenuOnly) {
  Shell({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP});
  EXPECT_EQ(n.clicks, 1);
  Shell({WM_RBUTTONDOWN, WM_RBUTTONUP});
  EXPECT_EQ(n.popups, 1);
  EXPECT_EQ(n.clicks, 1) << "the right click does not show or hide the clock";
  Shell({WM_LBUTTONUP, WM_RBUTTONUP});
  EXPECT_EQ(n.clicks + n.popups, 2) << "a release without its press raises nothing";
  Shell({WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, WM_RBUTTONDBLCLK});
  EXPECT_EQ(n.clicks + n.popups + n.defaults, 2) << "the middle button does nothing";
}

TEST_F(TrayIconWin32, ADoubleClickTogglesOnceAndRunsTheDefaultItemOnce) {
  Shell({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
  EXPECT_EQ(n.clicks, 1);
  EXPECT_EQ(n.defaults, 1);
}

TEST_F(TrayIconWin32, WhileADialogHoldsTheClockClicksBringItForwardAndRunNothing) {
  held = true;
  Shell({WM_LBUTTONDOWN, WM_LBUTTONUP});
  Shell({WM_RBUTTONDOWN, WM_RBUTTONUP});
  Shell({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
  EXPECT_EQ(n.clicks + n.popups + n.defaults, 0);
  EXPECT_EQ(n.raises, 4);
  held = false;
  Shell({WM_RBUTTONDOWN, WM_RBUTTONUP});
  EXPECT_EQ(n.popups, 1) << "once the dialog has closed the menu opens again";
}

// Set when the handler's own captured state is freed.
struct FreedFlag {
  explicit FreedFlag(bool& freed) : freed(freed) {}
  ~FreedFlag() { freed = true; }
  bool& freed;
};

// "Exit" chosen from the icon's menu while a dialog opened from the icon's menu still runs: the
// second menu's command ends the main window, which lets its icon go under both handlers.
TEST(TrayIconLifetime, LetGoFromInsideItsOwnHandlersTheIconGoesOnlyWhenTheyReturn) {
  std::unique_ptr<TTrayIcon> tray;
  HWND window = nullptr;
  bool freed = false;
  int popups = 0, clicksAfterExit = 0;
  bool aliveAfterExit = false, windowAfterExit = false;
  auto rightClick = [&] {
    SendMessageA(window, TTrayIcon::kCallbackMessage, 0, WM_RBUTTONDOWN);
    SendMessageA(window, TTrayIcon::kCallbackMessage, 0, WM_RBUTTONUP);
  };
  TTrayIcon::Events e;
  e.click = [&] { ++clicksAfterExit; };
  e.popup = [&, flag = std::make_shared<FreedFlag>(freed)] {
    if (++popups == 1) {
      rightClick();  // inside the dialog's modal loop: the menu again, and "Exit"
      // The rest of the first handler still has its own state, and the window it posts to.
      aliveAfterExit = !freed;
      windowAfterExit = IsWindow(window) != FALSE;
      SendMessageA(window, TTrayIcon::kCallbackMessage, 0, WM_LBUTTONDOWN);
      SendMessageA(window, TTrayIcon::kCallbackMessage, 0, WM_LBUTTONUP);
    } else {
      tray.reset();
    }
  };
  const HICON icon = CopyIcon(LoadIcon(nullptr, IDI_APPLICATION));
  tray = std::make_unique<TTrayIcon>(GetModuleHandleA(nullptr), IconHandle(icon), "Ormel Clock", std::move(e));
  window = tray->Window();
  rightClick();

  EXPECT_EQ(popups, 2);
  EXPECT_TRUE(aliveAfterExit) << "the icon's events were freed under their running handler";
  EXPECT_TRUE(windowAfterExit);
  EXPECT_EQ(clicksAfterExit, 0) << "an icon let go raises no more events";
  EXPECT_TRUE(freed) << "once the handlers returned, the icon is gone";
  EXPECT_FALSE(IsWindow(window));
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(icon, &info)) << "the icon's image goes with it";
}

}  // namespace
