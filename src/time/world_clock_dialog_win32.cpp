#include "time/world_clock_dialog_win32.h"

#include <windows.h>

#include "base/wide_text_win32.h"
#include "time/picker_dialog_win32.h"

namespace {

// Shows the form's state in ListZones and cbClockLabel, and hands the user's actions to it.
class WorldClockDialog : public PickerDialog {
 public:
  explicit WorldClockDialog(TfrmWorldClock& form)
      : PickerDialog("World Clock", "World Clock", SIZE{320, 219}), form_(form) {}

 private:
  void OnInit() override {
    AddControl(L"STATIC", "Clock Label:", 0, {16, 44, 161, 58}, -1);
    label_ = AddControl(L"COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                        {16, 60, 161, 200}, kClockLabelId);
    AddControl(L"STATIC", "Select Time Zone:", 0, {16, 88, 161, 102}, -1);
    zones_ = AddControl(L"LISTBOX", "", WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                        {16, 104, 305, 169}, kListZonesId);
    for (const std::string& name : form_.ZoneNames())
      SendMessageW(zones_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
    AddControl(L"BUTTON", "Reset", WS_TABSTOP | BS_PUSHBUTTON, {8, 186, 83, 211}, kResetId);
    AddButtonRow(177);
    ShowSelection();
    ShowLabel();
  }

  bool OnCommand(int id, int code) override {
    if (id == kListZonesId && code == LBN_SELCHANGE) {
      form_.SetClockLabel(LabelText());  // what the user typed, should the zone have no place words
      form_.SetZoneIndex(static_cast<int32_t>(SendMessageW(zones_, LB_GETCURSEL, 0, 0)));
      ShowLabel();
      return true;
    }
    if (id == kResetId && code == BN_CLICKED) {
      form_.bResetClick();
      ShowSelection();
      ShowLabel();
      return true;
    }
    return false;
  }

  void OnOk() override { form_.SetClockLabel(LabelText()); }

  void ShowSelection() { SendMessageW(zones_, LB_SETCURSEL, static_cast<WPARAM>(form_.GetZoneIndex()), 0); }

  void ShowLabel() {
    SendMessageW(label_, CB_RESETCONTENT, 0, 0);
    for (const std::string& choice : form_.LabelChoices())
      SendMessageW(label_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(choice).c_str()));
    SetWindowTextUtf8(label_, form_.GetClockLabel());
  }

  std::string LabelText() const { return WindowTextUtf8(label_); }

  TfrmWorldClock& form_;
  HWND zones_ = nullptr;
  HWND label_ = nullptr;
};

}  // namespace

std::optional<WorldClockChoice> RunWorldClockDialog(HWND owner, const TQvRegistryTimeZones& zones, int32_t zoneId,
                                                    const std::string& label) {
  TfrmWorldClock form(zones);
  form.SetZoneIndex(zoneId);
  form.SetClockLabel(label);  // the saved label wins over the zone's first place word
  WorldClockDialog dialog(form);
  if (!dialog.RunModal(owner)) return std::nullopt;
  return WorldClockChoice{form.GetZoneIndex(), form.GetClockLabel()};
}
