#pragma once
#include <windows.h>

// A window whose procedure finds the object behind it through GWLP_USERDATA.
void BindWindow(HWND hwnd, void* owner);
template <class Owner>
Owner* BoundOwner(HWND hwnd) {
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// Unbinds the window from its object, then destroys it: its last messages (WM_DESTROY, which
// ends the clock's message loop) go to the default procedure, never to an object that is half
// made or already going.
void UnbindAndDestroyWindow(HWND hwnd);
