#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "base/handles_win32.h"

// The notification-area icon and the hidden window that receives its callbacks.
class TTrayIcon {
 public:
  struct Events {
    std::function<void()> click;        // left click: show or hide the clock
    std::function<void()> popup;        // right click: the popup menu
    std::function<void()> doubleClick;  // the menu's default item
    std::function<bool()> held;         // whether a dialog holds the clock
    std::function<void()> raiseDialog;  // any click while it does: bring that dialog forward
  };

  static constexpr UINT kCallbackMessage = 0xB054;

  TTrayIcon(HINSTANCE instance, IconHandle icon, const std::string& hint, Events events);
  // Takes the icon out of the tray at once. Its window and events go when no handler of theirs
  // runs any more: "Exit" chosen from the icon's own menu ends the program under that handler.
  ~TTrayIcon();
  TTrayIcon(const TTrayIcon&) = delete;
  TTrayIcon& operator=(const TTrayIcon&) = delete;

  // Clears a stale icon, then adds ours; a refused add is tried again every 2 s until it holds.
  void Show();
  void SetHint(const std::string& hint);
  bool InTray() const;
  HWND Window() const;

 private:
  class TrayWindow;
  std::shared_ptr<TrayWindow> window_;
};

// The clock's icon for the tray, in the program's own icon; Show puts it there.
std::unique_ptr<TTrayIcon> CreateClockTrayIcon(HINSTANCE instance, const std::string& hint, TTrayIcon::Events events);

// Ends whatever the active window (else `fallback`) was doing with the mouse, so that a
// menu opened from the tray gets the mouse.
void CancelMouseModes(HWND fallback);
