#include "ui/window_sounds_win32.h"

#include <mmsystem.h>

#include <utility>

#include "base/error_box_win32.h"
#include "base/ormel_error.h"
#include "base/wide_text_win32.h"

namespace {
const wchar_t kWindowClass[] = L"TMediaPlayer";
constexpr UINT_PTR kBeepTimer = 1;
constexpr UINT kBeepInterval = 1000;
}  // namespace

HWND WindowSounds::CreateHiddenWindow(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kWindowClass;
  RegisterClassExW(&wc);
  HWND hwnd = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  if (!hwnd) throw OrmelError(LastErrorText());
  return hwnd;
}

WindowSounds::WindowSounds(HINSTANCE instance, std::function<void()> faceChanged, ErrorReport reportError,
                           const std::string& programFolder)
    : hwnd_(CreateHiddenWindow(instance)),
      faceChanged_(std::move(faceChanged)),
      reportError_(std::move(reportError)),
      device_(hwnd_),
      sounds_(device_, *this, *this, programFolder) {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

WindowSounds::~WindowSounds() {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK WindowSounds::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<WindowSounds*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self || (msg != MM_MCINOTIFY && msg != WM_TIMER)) return DefWindowProcW(hwnd, msg, wp, lp);
  try {
    if (msg == MM_MCINOTIFY) self->sounds_.MediaPlayer1().HandleNotify(static_cast<uint32_t>(wp));
    else if (wp == kBeepTimer) self->sounds_.tBeepTimer();
  } catch (const std::exception& e) {
    ShowErrorBox(e.what());
  }
  return 0;
}

bool WindowSounds::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WindowSounds::SetEnabled(bool enabled) {
  if (enabled) SetTimer(hwnd_, kBeepTimer, kBeepInterval, nullptr);
  else KillTimer(hwnd_, kBeepTimer);
}
