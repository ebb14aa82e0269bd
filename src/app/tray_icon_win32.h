#pragma once
#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string>

#include "app/tray_mouse.h"
#include "app/tray_registration.h"

// The notification-area icon and the hidden window that receives its callbacks.
class TTrayIcon : private TrayShell {
 public:
  struct Events {
    std::function<void()> click;        // left click: show or hide the clock
    std::function<void()> popup;        // right click: the popup menu
    std::function<void()> doubleClick;  // the menu's default item
  };

  static constexpr UINT kCallbackMessage = 0xB054;

  TTrayIcon(HINSTANCE instance, HICON icon, const std::string& hint, Events events);
  ~TTrayIcon() override;
  TTrayIcon(const TTrayIcon&) = delete;
  TTrayIcon& operator=(const TTrayIcon&) = delete;

  // Clears a stale icon, then adds ours; a refused add is tried again every 2 s until it holds.
  void Show();
  void SetHint(const std::string& hint);
  bool InTray() const { return registration_.InTray(); }
  HWND Window() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  NOTIFYICONDATAA Record() const;
  bool Notify(TrayShellCall call) override;
  void OnMouse(UINT mouseMessage);

  HWND window_ = nullptr;
  HICON icon_;
  std::string hint_;
  Events events_;
  TrayMouseRouter router_;
  TrayRegistration registration_{*this};
  UINT taskbarCreated_ = 0;
};
