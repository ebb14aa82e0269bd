#include "time/timer_dialog_win32.h"

#include <commctrl.h>

#include "app/form_storage.h"
#include "app/settings_placement_win32.h"
#include "base/error_box_win32.h"
#include "time/picker_dialog_win32.h"

namespace {

class TfrmTimer : public PickerDialog {
 public:
  TfrmTimer(TDateTime duration, SettingsStorage& storage)
      : PickerDialog("Timer", "Timer", SIZE{241, 145}), storage_(storage) {
    result_.duration = duration;
  }
  const TimerDialogResult& Result() const { return result_; }

 private:
  void OnInit() override {
    AddControl("STATIC", "hh:mm:ss", 0, {8, 44, 169, 58}, -1);
    HWND time = AddPicker(DTS_TIMEFORMAT | DTS_UPDOWN, "HH:mm:ss", {8, 60, 169, 81}, kTimerTimeId);
    AddControl("BUTTON", "Auto Start", WS_TABSTOP | BS_AUTOCHECKBOX, {8, 86, 169, 104}, kTimerAutoStartId);
    AddButtonRow(108);
    SetPickerValue(time, result_.duration);
    // A stored position replaces the centring.
    if (auto placement = RestoreTimerForm(storage_, ReadWindowPlacement(Handle()), result_.autoStart))
      ApplyWindowPlacement(Handle(), *placement);
    CheckDlgButton(Handle(), kTimerAutoStartId, result_.autoStart ? BST_CHECKED : BST_UNCHECKED);
  }

  void OnOk() override { result_.duration = DurationShown(PickerValue(GetDlgItem(Handle(), kTimerTimeId))); }

  void OnDestroy() override {
    result_.autoStart = IsDlgButtonChecked(Handle(), kTimerAutoStartId) == BST_CHECKED;
    // The dialog closes whatever the registry says; a refused write is reported.
    try {
      SaveTimerForm(storage_, ReadWindowPlacement(Handle()), result_.autoStart);
    } catch (const std::exception& e) {
      ShowErrorBox(e.what());
    }
  }

  SettingsStorage& storage_;
  TimerDialogResult result_;
};

}  // namespace

std::optional<TimerDialogResult> RunTimerDialog(HWND owner, TDateTime duration, SettingsStorage& storage) {
  TfrmTimer dialog(duration, storage);
  if (!dialog.RunModal(owner)) return std::nullopt;
  return dialog.Result();
}
