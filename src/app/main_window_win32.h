#pragma once
#include <windows.h>

#include "app/clock_state.h"
#include "app/clock_tick.h"
#include "app/handles_win32.h"
#include "image/bitmap32.h"
#include "skin/layered_presenter_win32.h"
#include "time/local_clock_win32.h"

// frmMain: the borderless per-pixel-alpha clock window.
class TfrmMain : public ClockHost {
 public:
  explicit TfrmMain(HINSTANCE instance);
  ~TfrmMain() override;
  TfrmMain(const TfrmMain&) = delete;
  TfrmMain& operator=(const TfrmMain&) = delete;

  HWND Handle() const { return hwnd_; }
  HACCEL Accelerators() const { return accel_.get(); }

  // ClockHost
  TDateTime DisplayedTime() override;
  uint64_t UptimeMilliseconds() override { return uptime_.Milliseconds(); }
  bool WindowVisible() override { return IsWindowVisible(hwnd_) != FALSE; }
  void ShowForAlarm() override;
  void SetClockType(ClockType type) override;
  void StartBeep() override {}
  void PlayChime() override {}
  void UpdateDisplay() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  void FormCreate();
  void FormShow();
  void FormClose();
  void Timer1Timer();
  void FormCommand(int command);
  void aClockExecute(int tag);
  void OnTop1Click();
  void AMPM1Click();
  void Exit1Click();
  void PopupMenuAt(POINT screen);
  void aClockUpdate(HMENU menu);
  void BuildPopupMenu();
  void BuildAccelerators();
  bool* OptionOf(int command);

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  LocalWallClock clock_;
  UptimeCounter uptime_;
  ClockState state_;
  TBitmap32 frame_;
  LayeredPresenter presenter_;
  BLENDFUNCTION windowBlend_{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  MenuHandle popupMenu_;
  AccelHandle accel_;
};
