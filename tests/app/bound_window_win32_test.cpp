#include "app/bound_window_win32.h"

#include <gtest/gtest.h>

namespace {

// An object behind a window whose WM_DESTROY ends the message loop, as the clock's does.
struct Owner {
  int messages = 0;
  bool destroyReached = false;
};

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) BindWindow(hwnd, reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
  if (auto* owner = BoundOwner<Owner>(hwnd)) {
    ++owner->messages;
    if (msg == WM_DESTROY) {
      owner->destroyReached = true;
      PostQuitMessage(0);
    }
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

// The clock's creation failing half-way: the window goes before the object does.
TEST(BoundWindow, AWindowUnboundAndDestroyedNeverReachesItsObjectAgain) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = OwnerProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "OrmelBoundWindowTest";
  RegisterClassA(&wc);
  Owner owner;
  HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, &owner);
  ASSERT_NE(hwnd, nullptr);
  ASSERT_GT(owner.messages, 0) << "bound from its first message on";
  const int before = owner.messages;

  UnbindAndDestroyWindow(hwnd);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(owner.messages, before);
  EXPECT_FALSE(owner.destroyReached);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
      << "no quit is posted: the error box shown next would close at once";
}
