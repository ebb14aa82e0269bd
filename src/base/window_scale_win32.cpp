#include "base/window_scale_win32.h"

#include <algorithm>

#include "base/display_scale.h"
#include "base/handles_win32.h"
#include "base/library_entry_win32.h"

namespace {

constexpr double kDesignDpi = 96;

using GetDpiForWindowProc = UINT(WINAPI*)(HWND);

// Loaded at run time: user32 has it only from Windows 10 version 1607 on.
GetDpiForWindowProc DpiForWindow() {
  static const auto proc = LibraryEntry<GetDpiForWindowProc>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
  return proc;
}

}  // namespace

double ScaleOfDpi(UINT dpi) { return std::clamp(dpi / kDesignDpi, kMinScale, kMaxScale); }

double WindowScale(HWND window) {
  if (window != nullptr && DpiForWindow() != nullptr) return ScaleOfDpi(DpiForWindow()(window));
  ScreenDc screen;
  return ScaleOfDpi(static_cast<UINT>(GetDeviceCaps(screen.get(), LOGPIXELSX)));
}
