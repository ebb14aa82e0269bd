#include "time/countdown_dialog_win32.h"

#include <commctrl.h>

#include "time/countdown_dialog.h"
#include "time/picker_dialog_win32.h"

namespace {

class TfrmCountdown : public PickerDialog {
 public:
  explicit TfrmCountdown(TDateTime target)
      : PickerDialog("Countdown to ...", "Countdown to...", SIZE{273, 136}), target_(target) {}
  TDateTime Target() const { return target_; }

 private:
  void OnInit() override {
    AddControl(L"STATIC", "Date:", 0, {8, 48, 153, 62}, -1);
    HWND date = AddPicker(DTS_SHORTDATEFORMAT, nullptr, {8, 64, 153, 85}, kCountdownDateId);
    AddControl(L"STATIC", "Time", 0, {160, 48, 265, 62}, -1);
    HWND time = AddPicker(DTS_TIMEFORMAT | DTS_UPDOWN, "H:mm:ss", {160, 64, 265, 85}, kCountdownTimeId);
    AddButtonRow(95);
    CountdownPickers p{PickerValue(date), PickerValue(time)};
    SetTarget(p, target_);
    SetPickerValue(date, p.date);
    SetPickerValue(time, p.time);
  }

  void OnOk() override {
    target_ = GetTarget({PickerValue(GetDlgItem(Handle(), kCountdownDateId)),
                         PickerValue(GetDlgItem(Handle(), kCountdownTimeId))});
  }

  TDateTime target_;
};

}  // namespace

std::optional<TDateTime> RunCountdownDialog(HWND owner, TDateTime target) {
  TfrmCountdown dialog(target);
  if (!dialog.RunModal(owner)) return std::nullopt;
  return dialog.Target();
}
