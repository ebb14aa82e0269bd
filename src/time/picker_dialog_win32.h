#pragma once
#include <windows.h>

#include <string>

#include "base/handles_win32.h"
#include "time/date_time.h"

// The frame shared by the countdown, timer and world clock dialogs: a modal,
// fixed-size, topmost dialog built in memory, with controls placed in pixels, the
// embossed heading and the date-time pickers of common controls v6.
class PickerDialog {
 public:
  virtual ~PickerDialog() = default;
  // True when the dialog was closed with OK.
  bool RunModal(HWND owner);

 protected:
  PickerDialog(const char* caption, const char* heading, SIZE client)
      : caption_(caption), heading_(heading), client_(client) {}

  virtual void OnInit() = 0;
  virtual void OnOk() {}
  // Any other control's notification; true when it was handled.
  virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
  virtual void OnDestroy() {}

  HWND Handle() const { return hwnd_; }
  HWND AddControl(const wchar_t* className, const std::string& text, DWORD style, RECT box, int id);
  HWND AddPicker(DWORD style, const char* format, RECT box, int id);
  // The separator line and the OK and Cancel buttons along the bottom right.
  void AddButtonRow(int separatorTop);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Init();
  void PaintHeading();

  const char* caption_;
  const char* heading_;
  SIZE client_;
  HWND hwnd_ = nullptr;
  FontHandle font_;
  FontHandle headingFont_;
};

// A picker's value as a date-time, and back.
TDateTime PickerValue(HWND picker);
void SetPickerValue(HWND picker, TDateTime value);
// A picker's display format, in the pickers' own format letters.
void SetPickerFormat(HWND picker, const char* format);
