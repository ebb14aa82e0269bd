#include "time/timer_dialog_win32.h"

#include <commctrl.h>

#include "base/error_box_win32.h"
#include "time/picker_dialog_win32.h"

namespace {

class TfrmTimer : public PickerDialog {
 public:
  TfrmTimer(TDateTime duration, TimerDialogSettings& settings)
      : PickerDialog("Timer", "Timer", SIZE{241, 145}), settings_(settings) {
    result_.duration = duration;
  }
  const TimerDialogResult& Result() const { return result_; }

 private:
  void OnInit() override {
    AddControl(L"STATIC", "hh:mm:ss", 0, {8, 44, 169, 58}, -1);
    HWND time = AddPicker(DTS_TIMEFORMAT | DTS_UPDOWN, "HH:mm:ss", {8, 60, 169, 81}, kTimerTimeId);
    AddControl(L"BUTTON", "Auto Start", WS_TABSTOP | BS_AUTOCHECKBOX, {8, 86, 169, 104}, kTimerAutoStartId);
    AddButtonRow(108);
    SetPickerValue(time, result_.duration);
    result_.autoStart = settings_.Restore(Handle(), result_.autoStart);
    CheckDlgButton(Handle(), kTimerAutoStartId, result_.autoStart ? BST_CHECKED : BST_UNCHECKED);
  }

  void OnOk() override { result_.duration = DurationShown(PickerValue(GetDlgItem(Handle(), kTimerTimeId))); }

  void OnDestroy() override {
    result_.autoStart = IsDlgButtonChecked(Handle(), kTimerAutoStartId) == BST_CHECKED;
    // The dialog closes whatever the settings say; a refused write is reported.
    try {
      settings_.Save(Handle(), result_.autoStart);
    } catch (const std::exception& e) {
      ShowErrorBox(e.what());
    }
  }

  TimerDialogSettings& settings_;
  TimerDialogResult result_;
};

}  // namespace

std::optional<TimerDialogResult> RunTimerDialog(HWND owner, TDateTime duration, TimerDialogSettings& settings) {
  TfrmTimer dialog(duration, settings);
  if (!dialog.RunModal(owner)) return std::nullopt;
  return dialog.Result();
}
