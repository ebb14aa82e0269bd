#include "app/tray_icon_win32.h"

#include <shellapi.h>

#include <cstddef>
#include <cstring>

#include "app/error_box_win32.h"

namespace {

const char kTrayWindowClass[] = "OrmelClockTray";
constexpr UINT_PTR kRetryTimer = 1;
constexpr UINT kRetryInterval = 2000;

// The old form of the shell record ends after a tip of 64 characters (63 and the zero);
// the newer forms only add fields behind it.
constexpr size_t kOldTipSize = 64;
constexpr DWORD kRecordSize = offsetof(NOTIFYICONDATAA, szTip) + kOldTipSize;
static_assert(sizeof(NOTIFYICONDATAA::szTip) >= kOldTipSize, "room for the old tip");
#ifndef _WIN64
// The 32-bit program's layout as the shell reads it.
static_assert(kRecordSize == 88, "88-byte NOTIFYICONDATA");
static_assert(offsetof(NOTIFYICONDATAA, cbSize) == 0 && offsetof(NOTIFYICONDATAA, hWnd) == 4 &&
                  offsetof(NOTIFYICONDATAA, uID) == 8 && offsetof(NOTIFYICONDATAA, uFlags) == 12 &&
                  offsetof(NOTIFYICONDATAA, uCallbackMessage) == 16 && offsetof(NOTIFYICONDATAA, hIcon) == 20 &&
                  offsetof(NOTIFYICONDATAA, szTip) == 24,
              "NOTIFYICONDATA field offsets");
#endif

bool MouseEventOf(UINT msg, TrayMouse& out) {
  switch (msg) {
    case WM_MOUSEMOVE: out = TrayMouse::Move; return true;
    case WM_LBUTTONDOWN: out = TrayMouse::LeftDown; return true;
    case WM_LBUTTONUP: out = TrayMouse::LeftUp; return true;
    case WM_LBUTTONDBLCLK: out = TrayMouse::LeftDoubleClick; return true;
    case WM_RBUTTONDOWN: out = TrayMouse::RightDown; return true;
    case WM_RBUTTONUP: out = TrayMouse::RightUp; return true;
    case WM_RBUTTONDBLCLK: out = TrayMouse::RightDoubleClick; return true;
    case WM_MBUTTONDOWN: out = TrayMouse::MiddleDown; return true;
    case WM_MBUTTONUP: out = TrayMouse::MiddleUp; return true;
    case WM_MBUTTONDBLCLK: out = TrayMouse::MiddleDoubleClick; return true;
    default: return false;
  }
}

}  // namespace

TTrayIcon::TTrayIcon(HINSTANCE instance, HICON icon, const std::string& hint, Events events)
    : icon_(icon), hint_(hint), events_(std::move(events)) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kTrayWindowClass;
  RegisterClassA(&wc);
  window_ = CreateWindowExA(0, kTrayWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  // Explorer broadcasts this after it restarts; the icon must be added again then.
  taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
}

TTrayIcon::~TTrayIcon() {
  registration_.Remove();
  if (window_) DestroyWindow(window_);
}

NOTIFYICONDATAA TTrayIcon::Record() const {
  NOTIFYICONDATAA nid{};
  nid.cbSize = kRecordSize;
  nid.hWnd = window_;
  nid.uID = 0;
  nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  nid.uCallbackMessage = kCallbackMessage;
  nid.hIcon = icon_;
  const std::string tip = hint_.substr(0, hint_.find('|')).substr(0, kOldTipSize - 1);
  std::memcpy(nid.szTip, tip.c_str(), tip.size() + 1);
  return nid;
}

bool TTrayIcon::Notify(TrayShellCall call) {
  NOTIFYICONDATAA nid = Record();
  const DWORD message = call == TrayShellCall::Add ? NIM_ADD : call == TrayShellCall::Modify ? NIM_MODIFY : NIM_DELETE;
  return Shell_NotifyIconA(message, &nid) != FALSE;
}

void TTrayIcon::Show() {
  registration_.Show(icon_ != nullptr);
  // A shell that is not ready yet refuses the icon, and nothing else would add it later:
  // a clock hidden then could never come back. So the add is tried again until it holds.
  if (icon_ && !registration_.InTray()) SetTimer(window_, kRetryTimer, kRetryInterval, nullptr);
  else KillTimer(window_, kRetryTimer);
}

void TTrayIcon::SetHint(const std::string& hint) {
  hint_ = hint;
  registration_.Changed(icon_ != nullptr);
}

void TTrayIcon::OnMouse(UINT mouseMessage) {
  TrayMouse event;
  if (!MouseEventOf(mouseMessage, event)) return;
  const TrayAction a = router_.Handle(event);
  if (a.doubleClick && events_.doubleClick) events_.doubleClick();
  if (!a.click) return;
  if (a.button == TrayButton::Right) {
    SetForegroundWindow(window_);
    if (events_.popup) events_.popup();
    // The menu closes properly only after our window was foreground again.
    SetForegroundWindow(window_);
    PostMessageA(window_, WM_NULL, 0, 0);
  } else if (events_.click) {
    events_.click();
  }
}

LRESULT CALLBACK TTrayIcon::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<TTrayIcon*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self && msg == kCallbackMessage) {
    try {
      self->OnMouse(static_cast<UINT>(lp));
    } catch (const std::exception& e) {
      ShowErrorBox(e.what());
    }
    return 0;
  }
  if (self && msg == WM_TIMER && wp == kRetryTimer) {
    self->Show();
    return 0;
  }
  if (self && msg == self->taskbarCreated_ && msg != 0) {
    self->Show();
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}
