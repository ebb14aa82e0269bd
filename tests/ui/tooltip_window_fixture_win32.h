#pragma once
// The real tooltip window over a plain owner window, and what the tests ask of it.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/skin_button.h"
#include "ui/tooltip_manager.h"
#include "ui/tooltip_window_win32.h"

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

struct TooltipWindowFixture : ::testing::Test {
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
