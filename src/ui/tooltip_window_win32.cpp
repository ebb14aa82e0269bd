#include "ui/tooltip_window_win32.h"

#include <commctrl.h>

#include <cstddef>

#include "base/wide_text_win32.h"

namespace {

// The 44-byte tool record (up to lParam) of the 32-bit program.
constexpr UINT kToolInfoSize = offsetof(TTTOOLINFOW, lParam) + sizeof(LPARAM);
#ifndef _WIN64
static_assert(kToolInfoSize == 44, "TOOLINFO of the 44-byte form");
#endif

TTTOOLINFOW ToolRecord(HWND owner, uint32_t id) {
  TTTOOLINFOW ti{};
  ti.cbSize = kToolInfoSize;
  ti.hwnd = owner;
  ti.uId = id;
  return ti;
}

}  // namespace

bool TooltipWindowWin32::Create(bool balloon) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  const DWORD style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | (balloon ? TTS_BALLOON : 0);
  window_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, style, 0, 0, 0, 0, owner_, nullptr, instance_, nullptr);
  if (!window_) return false;
  SendMessageW(window_, TTM_SETTIPBKCOLOR, GetSysColor(COLOR_INFOBK), 0);
  SendMessageW(window_, TTM_SETTIPTEXTCOLOR, GetSysColor(COLOR_INFOTEXT), 0);
  return true;
}

void TooltipWindowWin32::Destroy() {
  // The owner's destruction takes its tooltip window with it.
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
  window_ = nullptr;
}

bool TooltipWindowWin32::AddTool(const ToolRegistration& tool) {
  TTTOOLINFOW ti = ToolRecord(owner_, tool.id);
  ti.uFlags = TTF_TRANSPARENT | (tool.centerTip ? TTF_CENTERTIP : 0);
  ti.rect = RECT{tool.rect.left, tool.rect.top, tool.rect.right, tool.rect.bottom};
  std::wstring text = Wide(tool.text);
  ti.lpszText = text.data();  // the control copies the text
  return SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)) != 0;
}

void TooltipWindowWin32::RemoveTool(uint32_t id) {
  TTTOOLINFOW ti = ToolRecord(owner_, id);
  SendMessageW(window_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void TooltipWindowWin32::SetDelay(TooltipDelay which, int milliseconds) {
  const WPARAM kind = which == TooltipDelay::Initial ? TTDT_INITIAL
                      : which == TooltipDelay::AutoPop ? TTDT_AUTOPOP : TTDT_RESHOW;
  SendMessageW(window_, TTM_SETDELAYTIME, kind, MAKELPARAM(milliseconds, 0));
}

void TooltipWindowWin32::RelayMouse(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      break;
    default:
      return;
  }
  if (!window_) return;
  const DWORD pos = GetMessagePos();
  MSG relayed{owner_, msg, wp, lp, static_cast<DWORD>(GetMessageTime()),
              POINT{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))}};
  SendMessageW(window_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void TooltipWindowWin32::ReportAddFailure() {
  MessageBoxW(nullptr, L"Can't add tooltip", L"Error", MB_OK);
}
