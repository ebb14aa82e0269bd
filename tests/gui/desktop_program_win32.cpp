// Plays what else happens on the desktop for the end-to-end tests, and tells how the clock is
// stacked:
//   ormel_desktop cover N     a borderless window covering monitor N (0 first) takes the
//                                 foreground and stays until the process is ended
//   ormel_desktop grow N      the same, but it first takes the foreground as a small window
//                                 and covers the monitor a second later, as a program does on F11
//   ormel_desktop end         closes the full-screen program, as its user would
//   ormel_desktop display-changed  tells the clock the monitors changed, as Windows does when
//                                 one is added or removed
//   ormel_desktop clock       prints "topmost" or "not topmost" for the clock's window
//                                 (exit 0), or "no clock" (exit 1)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM list) {
  reinterpret_cast<std::vector<RECT>*>(list)->push_back(*rect);
  return TRUE;
}

HWND Clock() { return FindWindowA("TfrmMain", "Ormel Clock"); }

int ReportClock() {
  const HWND clock = Clock();
  if (!clock) {
    std::puts("no clock");
    return 1;
  }
  std::puts(GetWindowLongPtrA(clock, GWL_EXSTYLE) & WS_EX_TOPMOST ? "topmost" : "not topmost");
  return 0;
}

LRESULT CALLBACK ProgramProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, msg, wp, lp);
}

int Cover(size_t monitor, bool growLater) {
  std::vector<RECT> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  if (monitor >= monitors.size()) {
    std::fprintf(stderr, "no monitor %zu of %zu\n", monitor, monitors.size());
    return 1;
  }
  const RECT m = monitors[monitor];
  WNDCLASSA wc{};
  wc.lpfnWndProc = ProgramProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOWTEXT + 1);
  wc.lpszClassName = "OrmelFullScreenProgram";
  RegisterClassA(&wc);
  const int width = growLater ? 200 : m.right - m.left, height = growLater ? 150 : m.bottom - m.top;
  const HWND window = CreateWindowExA(0, wc.lpszClassName, "Full screen program", WS_POPUP | WS_VISIBLE, m.left,
                                      m.top, width, height, nullptr, nullptr, wc.hInstance, nullptr);
  if (!window) return 1;
  SetForegroundWindow(window);
  if (growLater) SetTimer(window, 1, 1000, nullptr);
  std::puts("covering");
  std::fflush(stdout);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER) {
      KillTimer(window, 1);
      SetWindowPos(window, nullptr, m.left, m.top, m.right - m.left, m.bottom - m.top, SWP_NOZORDER);
    }
    DispatchMessageA(&msg);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "clock") == 0) return ReportClock();
  if (argc == 2 && std::strcmp(argv[1], "display-changed") == 0) {
    const LPARAM size = MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return Clock() && SendMessageA(Clock(), WM_DISPLAYCHANGE, 32, size) == 0 ? 0 : 1;
  }
  if (argc == 2 && std::strcmp(argv[1], "end") == 0) {
    const HWND program = FindWindowA("OrmelFullScreenProgram", nullptr);
    return program && PostMessageA(program, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  if (argc == 3 && (std::strcmp(argv[1], "cover") == 0 || std::strcmp(argv[1], "grow") == 0))
    return Cover(std::strtoul(argv[2], nullptr, 10), argv[1][0] == 'g');
  std::fprintf(stderr, "usage: ormel_desktop cover|grow N | end | display-changed | clock\n");
  return 64;
}
