#include "app/tray_icon_win32.h"

#include <shellapi.h>

#include <cstddef>
#include <cstring>

#include "app/bound_window_win32.h"
#include "app/resource_ids.h"
#include "app/tray_icon.h"
#include "base/error_box_win32.h"
#include "base/wide_text_win32.h"

namespace {

const wchar_t kTrayWindowClass[] = L"OrmelClockTray";
constexpr UINT_PTR kRetryTimer = 1;
constexpr UINT kRetryInterval = 2000;
constexpr int kTrayIconSize = 16;  // the tray's small icon, in pixels

// The old form of the shell record ends after a tip of 64 characters (63 and the zero);
// the newer forms only add fields behind it. The tip is UTF-16, so any script shows.
constexpr size_t kOldTipSize = 64;
constexpr DWORD kRecordSize = offsetof(NOTIFYICONDATAW, szTip) + kOldTipSize * sizeof(wchar_t);
static_assert(sizeof(NOTIFYICONDATAW::szTip) >= kOldTipSize * sizeof(wchar_t), "room for the old tip");
#ifndef _WIN64
// The 32-bit program's layout as the shell reads it.
static_assert(kRecordSize == 152, "152-byte NOTIFYICONDATAW");
static_assert(offsetof(NOTIFYICONDATAW, cbSize) == 0 && offsetof(NOTIFYICONDATAW, hWnd) == 4 &&
                  offsetof(NOTIFYICONDATAW, uID) == 8 && offsetof(NOTIFYICONDATAW, uFlags) == 12 &&
                  offsetof(NOTIFYICONDATAW, uCallbackMessage) == 16 && offsetof(NOTIFYICONDATAW, hIcon) == 20 &&
                  offsetof(NOTIFYICONDATAW, szTip) == 24,
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

// The hidden window and the icon's state. A handler holds it for as long as it runs, so that
// the owner may let the icon go from inside one without freeing what the handler still uses.
class TTrayIcon::TrayWindow : public std::enable_shared_from_this<TrayWindow>, private TrayShell {
 public:
  TrayWindow(HINSTANCE instance, IconHandle icon, std::string hint, Events events);
  ~TrayWindow() override;
  TrayWindow(const TrayWindow&) = delete;
  TrayWindow& operator=(const TrayWindow&) = delete;

  void Show();
  void SetHint(const std::string& hint);
  // Out of the tray for good: no retry, no re-add after a shell restart, no more events.
  void Close();
  bool InTray() const { return registration_.InTray(); }
  HWND Handle() const { return hwnd_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  NOTIFYICONDATAW Record() const;
  bool Notify(TrayShellCall call) override;
  void OnMouse(UINT mouseMessage);

  HWND hwnd_ = nullptr;
  IconHandle icon_;
  std::string hint_;
  Events events_;
  TrayMouseRouter router_;
  TrayRegistration registration_{*this};
  UINT taskbarCreated_ = 0;
  bool closed_ = false;
};

TTrayIcon::TrayWindow::TrayWindow(HINSTANCE instance, IconHandle icon, std::string hint, Events events)
    : icon_(std::move(icon)), hint_(std::move(hint)), events_(std::move(events)) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kTrayWindowClass;
  RegisterClassW(&wc);
  hwnd_ = CreateWindowExW(0, kTrayWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  BindWindow(hwnd_, this);
  // Explorer broadcasts this after it restarts; the icon must be added again then.
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
}

TTrayIcon::TrayWindow::~TrayWindow() {
  Close();
  if (hwnd_) UnbindAndDestroyWindow(hwnd_);
}

void TTrayIcon::TrayWindow::Close() {
  if (closed_) return;
  closed_ = true;
  KillTimer(hwnd_, kRetryTimer);
  registration_.Remove();
}

NOTIFYICONDATAW TTrayIcon::TrayWindow::Record() const {
  NOTIFYICONDATAW nid{};
  nid.cbSize = kRecordSize;
  nid.hWnd = hwnd_;
  nid.uID = 0;
  nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  nid.uCallbackMessage = kCallbackMessage;
  nid.hIcon = icon_.get();
  std::wstring tip = Wide(hint_.substr(0, hint_.find('|'))).substr(0, kOldTipSize - 1);
  // A surrogate pair is not cut in half.
  if (tip.size() == kOldTipSize - 1 && IS_HIGH_SURROGATE(tip.back())) tip.pop_back();
  std::memcpy(nid.szTip, tip.c_str(), (tip.size() + 1) * sizeof(wchar_t));
  return nid;
}

bool TTrayIcon::TrayWindow::Notify(TrayShellCall call) {
  NOTIFYICONDATAW nid = Record();
  const DWORD message = call == TrayShellCall::Add ? NIM_ADD : call == TrayShellCall::Modify ? NIM_MODIFY : NIM_DELETE;
  return Shell_NotifyIconW(message, &nid) != FALSE;
}

void TTrayIcon::TrayWindow::Show() {
  registration_.Show(icon_ != nullptr);
  // A shell that is not ready yet refuses the icon, and nothing else would add it later:
  // a clock hidden then could never come back. So the add is tried again until it holds.
  if (icon_ && !registration_.InTray()) SetTimer(hwnd_, kRetryTimer, kRetryInterval, nullptr);
  else KillTimer(hwnd_, kRetryTimer);
}

void TTrayIcon::TrayWindow::SetHint(const std::string& hint) {
  hint_ = hint;
  registration_.Changed(icon_ != nullptr);
}

void TTrayIcon::TrayWindow::OnMouse(UINT mouseMessage) {
  TrayMouse event;
  if (!MouseEventOf(mouseMessage, event)) return;
  const TrayAction a = router_.Handle(event, events_.held && events_.held());
  if (a.raiseDialog && events_.raiseDialog) events_.raiseDialog();
  if (a.doubleClick && events_.doubleClick) events_.doubleClick();
  if (!a.click) return;
  if (a.button == TrayButton::Right) {
    SetForegroundWindow(hwnd_);
    if (events_.popup) events_.popup();
    // The menu closes properly only after our window was foreground again.
    SetForegroundWindow(hwnd_);
    PostMessageW(hwnd_, WM_NULL, 0, 0);
  } else if (events_.click) {
    events_.click();
  }
}

LRESULT CALLBACK TTrayIcon::TrayWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = BoundOwner<TrayWindow>(hwnd);
  if (!self || self->closed_) return DefWindowProcW(hwnd, msg, wp, lp);
  // Whatever the handler calls may let the owner go; the object goes only after it returns.
  const std::shared_ptr<TrayWindow> running = self->shared_from_this();
  return self->HandleMessage(msg, wp, lp);
}

LRESULT TTrayIcon::TrayWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kCallbackMessage) {
    try {
      OnMouse(static_cast<UINT>(lp));
    } catch (const std::exception& e) {
      ShowErrorBox(e.what());
    }
    return 0;
  }
  if ((msg == WM_TIMER && wp == kRetryTimer) || (msg == taskbarCreated_ && msg != 0)) {
    Show();
    return 0;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

TTrayIcon::TTrayIcon(HINSTANCE instance, IconHandle icon, const std::string& hint, Events events)
    : window_(std::make_shared<TrayWindow>(instance, std::move(icon), hint, std::move(events))) {}

TTrayIcon::~TTrayIcon() { window_->Close(); }

void TTrayIcon::Show() { window_->Show(); }
void TTrayIcon::SetHint(const std::string& hint) { window_->SetHint(hint); }
bool TTrayIcon::InTray() const { return window_->InTray(); }
HWND TTrayIcon::Window() const { return window_->Handle(); }

std::unique_ptr<TTrayIcon> CreateClockTrayIcon(HINSTANCE instance, const std::string& hint, TTrayIcon::Events events) {
  IconHandle icon(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_ORMEL_CLOCK), IMAGE_ICON, kTrayIconSize, kTrayIconSize, 0)));
  return std::make_unique<TTrayIcon>(instance, std::move(icon), hint, std::move(events));
}

void CancelMouseModes(HWND fallback) {
  HWND active = GetActiveWindow();
  SendMessageW(active ? active : fallback, WM_CANCELMODE, 0, 0);
}
