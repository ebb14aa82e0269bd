#include "app/full_screen_watch_win32.h"

#include <shellapi.h>

#include <cwchar>
#include <iterator>

namespace {

FullScreenWatch* watch = nullptr;

bool IsShellWindow(HWND window) {
  if (window == GetDesktopWindow() || window == GetShellWindow()) return true;
  wchar_t name[32] = L"";
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  for (const wchar_t* shell : {L"Progman", L"WorkerW", L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd"})
    if (std::wcscmp(name, shell) == 0) return true;
  return false;
}

bool IsOwnWindow(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

}  // namespace

FullScreenWatch::FullScreenWatch(HWND clock, UINT message) : clock_(clock), message_(message) {
  watch = this;
  foregroundHook_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, OnEvent, 0, 0,
                                    WINEVENT_OUTOFCONTEXT);
  WatchMovesOf(GetForegroundWindow());
}

FullScreenWatch::~FullScreenWatch() {
  if (foregroundHook_) UnhookWinEvent(foregroundHook_);
  if (moveHook_) UnhookWinEvent(moveHook_);
  if (endHook_) UnhookWinEvent(endHook_);
  watch = nullptr;
}

void FullScreenWatch::WatchMovesOf(HWND foreground) {
  for (HWINEVENTHOOK* hook : {&moveHook_, &endHook_}) {
    if (*hook) UnhookWinEvent(*hook);
    *hook = nullptr;
  }
  watched_ = foreground;
  DWORD process = 0;
  if (!foreground || !GetWindowThreadProcessId(foreground, &process) || process == GetCurrentProcessId()) return;
  moveHook_ = SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE, nullptr, OnEvent, process, 0,
                              WINEVENT_OUTOFCONTEXT);
  // A program that ends need not hand the foreground to anyone.
  endHook_ = SetWinEventHook(EVENT_OBJECT_DESTROY, EVENT_OBJECT_HIDE, nullptr, OnEvent, process, 0,
                             WINEVENT_OUTOFCONTEXT);
}

void CALLBACK FullScreenWatch::OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD) {
  if (!watch) return;
  watch->looks_.EventsArrived();
  if (event == EVENT_SYSTEM_FOREGROUND) {
    watch->WatchMovesOf(window);
  } else if (object != OBJID_WINDOW || window != watch->watched_ || event == EVENT_OBJECT_SHOW) {
    return;  // the caret, the cursor, a child window or a window behind: nothing changed
  }
  PostMessageW(watch->clock_, watch->message_, 0, 0);
}

void FullScreenWatch::Tick() {
  // Each look asks the window server: rarely, where no event ever comes.
  if (!looks_.TickLooks()) return;
  const HWND foreground = GetForegroundWindow();
  RECT place{};
  if (foreground) GetWindowRect(foreground, &place);
  if (foreground == lastForeground_ && EqualRect(&place, &lastPlace_)) return;
  lastForeground_ = foreground;
  lastPlace_ = place;
  PostMessageW(clock_, message_, 0, 0);
}

ForegroundView FullScreenWatch::Foreground(HWND clock) {
  const HWND window = GetForegroundWindow();
  ForegroundView view;
  RECT r;
  if (!window || !GetWindowRect(window, &r)) return view;
  view.present = true;
  view.desktopShellOrOwn = IsShellWindow(window) || IsOwnWindow(window) || window == clock;
  view.rect = {r.left, r.top, r.right, r.bottom};
  return view;
}

ShellState FullScreenWatch::Shell() {
  QUERY_USER_NOTIFICATION_STATE state{};
  if (SHQueryUserNotificationState(&state) != S_OK) return ShellState::Quiet;
  if (state == QUNS_RUNNING_D3D_FULL_SCREEN) return ShellState::FullScreenDirect3D;
  if (state == QUNS_PRESENTATION_MODE) return ShellState::Presentation;
  return ShellState::Quiet;
}
