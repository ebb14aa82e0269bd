#include "app/bound_window_win32.h"

void BindWindow(HWND hwnd, void* owner) { SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner)); }

void UnbindAndDestroyWindow(HWND hwnd) {
  BindWindow(hwnd, nullptr);
  DestroyWindow(hwnd);
}
