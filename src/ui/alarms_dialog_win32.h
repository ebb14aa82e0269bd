#pragma once
#include <windows.h>

#include "base/handles_win32.h"

// fAlarms: the window in which the user lays out a recurring alarm. It is a form only:
// nothing reads its controls. It is made hidden at start-up and closing it only hides
// it, so what was entered stays until the program ends.
class TfAlarms {
 public:
  TfAlarms(HINSTANCE instance, HICON icon);
  ~TfAlarms();
  TfAlarms(const TfAlarms&) = delete;
  TfAlarms& operator=(const TfAlarms&) = delete;

  HWND Handle() const { return hwnd_; }
  // Not modal; also brings a minimised or hidden window back to the front.
  void Show();

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Init();
  void AddControls();

  HWND hwnd_ = nullptr;
  HICON icon_;
  FontHandle font_;
};
