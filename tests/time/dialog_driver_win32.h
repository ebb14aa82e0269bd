#pragma once
#include <windows.h>

#include <functional>
#include <string>

// Drives a modal dialog from inside its own message loop: a thread timer waits for
// the dialog with the caption to open, then runs the action on it once.
class DialogDriver {
 public:
  DialogDriver(std::string caption, std::function<void(HWND)> action) {
    caption_ = std::move(caption);
    action_ = std::move(action);
    timer_ = SetTimer(nullptr, 0, 50, OnTimer);
  }
  ~DialogDriver() {
    if (timer_) KillTimer(nullptr, timer_);
  }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowA("#32770", caption_.c_str());
    if (!dialog || !IsWindowVisible(dialog)) return;
    KillTimer(nullptr, id);
    timer_ = 0;
    action_(dialog);
  }

  static inline std::string caption_;
  static inline std::function<void(HWND)> action_;
  static inline UINT_PTR timer_ = 0;
};

inline void Press(HWND dialog, int id) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

inline bool HasChildText(HWND dialog, const char* text) { return FindWindowExA(dialog, nullptr, nullptr, text) != nullptr; }
