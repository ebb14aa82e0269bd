#pragma once
#include <windows.h>

#include "app/full_screen.h"

// Tells the clock when the foreground window may have become or stopped being a full-screen
// program: when another window takes the foreground, when the foreground window changes
// place or size or ends (a program that goes full screen while in front, as with F11). One per
// process: the system's event hooks carry no pointer of ours.
class FullScreenWatch {
 public:
  // Posts `message` to `clock` at each such change.
  FullScreenWatch(HWND clock, UINT message);
  ~FullScreenWatch();
  FullScreenWatch(const FullScreenWatch&) = delete;
  FullScreenWatch& operator=(const FullScreenWatch&) = delete;

  // On the clock's tick: until the system's events prove to arrive (Wine sends none), a look
  // now and then at the foreground window's handle and place stands in for them.
  void Tick();
  // On WM_ACTIVATEAPP: whether the clock's program now holds the foreground.
  void OwnForeground(bool own) { looks_.OwnForeground(own); }

  // The foreground window now, as seen from `clock`.
  static ForegroundView Foreground(HWND clock);
  // Whether the shell reports a full-screen Direct3D program or a presentation.
  static ShellState Shell();

 private:
  static void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD);
  // Follows the place and size of the foreground window's process only.
  void WatchMovesOf(HWND foreground);

  HWND clock_;
  UINT message_;
  HWINEVENTHOOK foregroundHook_ = nullptr;
  HWINEVENTHOOK moveHook_ = nullptr;
  HWINEVENTHOOK endHook_ = nullptr;
  HWND watched_ = nullptr;  // the foreground window whose moves and end are followed
  ForegroundLooks looks_;
  HWND lastForeground_ = nullptr;  // what the tick saw last
  RECT lastPlace_{};
};
