#include "ui/alarms_dialog_win32.h"

#include <commctrl.h>

#include "base/dialog_frame_win32.h"
#include "base/error_box_win32.h"
#include "base/ormel_error.h"
#include "base/wide_text_win32.h"
#include "time/picker_dialog_win32.h"
#include "ui/alarms_layout.h"

namespace {

constexpr int kDropDownListHeight = 160;

RECT RectOf(const LayoutBox& b) { return RECT{b.left, b.top, b.Right(), b.Bottom()}; }

}  // namespace

TfAlarms::TfAlarms(HINSTANCE instance, HICON icon) : icon_(icon) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES};
  InitCommonControlsEx(&icc);
  EmptyDialogTemplate t{};
  t.dlg.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  hwnd_ = CreateDialogIndirectParamW(instance, &t.dlg, nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
  if (!hwnd_) throw OrmelError(LastErrorText());
}

TfAlarms::~TfAlarms() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void TfAlarms::Show() {
  // A minimised window comes back as it was before; a maximised one stays maximised.
  ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(hwnd_);
  // Typing goes to the control the user left; the first opening gives no control the focus
  // by itself, so the first in tab order takes it.
  if (!IsChild(hwnd_, GetFocus()))
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetNextDlgTabItem(hwnd_, nullptr, FALSE)), TRUE);
}

INT_PTR CALLBACK TfAlarms::DialogProc(HWND hwnd, UINT msg, WPARAM, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    auto* self = reinterpret_cast<TfAlarms*>(lp);
    SetWindowLongPtrW(hwnd, DWLP_USER, lp);
    self->hwnd_ = hwnd;
    self->Init();
    return FALSE;  // hidden: no focus to give yet
  }
  auto* self = reinterpret_cast<TfAlarms*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self) return FALSE;
  switch (msg) {
    case WM_CLOSE:
      ShowWindow(hwnd, SW_HIDE);  // the entries stay for the next "Alarms..."
      return TRUE;
    case WM_NCDESTROY:
      self->hwnd_ = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

void TfAlarms::Init() {
  const AlarmsLayout& layout = AlarmsDialogLayout();
  SetWindowTextUtf8(hwnd_, layout.caption);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  const RECT w = ScaledBox(hwnd_, RectOf(layout.window));
  SetWindowPos(hwnd_, nullptr, w.left, w.top, w.right - w.left, w.bottom - w.top, SWP_NOZORDER | SWP_NOACTIVATE);
  font_ = DefaultDialogFont(hwnd_);
  AddControls();
}

void TfAlarms::AddControls() {
  const AlarmsLayout& layout = AlarmsDialogLayout();
  HFONT font = font_.get();
  // Created in tab order: the dialog tabs through its children in the order they were made.
  for (const AlarmControl& c : layout.controls) {
    const RECT box = RectOf(c.box);
    switch (c.kind) {
      case AlarmControlKind::Caption:
        AddDialogControl(hwnd_, font, L"STATIC", c.text, SS_LEFTNOWORDWRAP | SS_NOPREFIX, box, c.id);
        break;
      case AlarmControlKind::CheckLabel:
        AddDialogControl(hwnd_, font, L"STATIC", c.text, SS_CENTER | SS_NOPREFIX, box, c.id);
        break;
      case AlarmControlKind::CheckBox:
        AddDialogControl(hwnd_, font, L"BUTTON", "", WS_TABSTOP | BS_AUTOCHECKBOX, box, c.id);
        break;
      case AlarmControlKind::DatePicker:
      case AlarmControlKind::TimePicker: {
        const DWORD kind = c.kind == AlarmControlKind::TimePicker ? DTS_TIMEFORMAT : DTS_SHORTDATEFORMAT;
        HWND picker = AddDialogControl(hwnd_, font, DATETIMEPICK_CLASSW, "", WS_TABSTOP | kind, box, c.id);
        if (c.format) SetPickerFormat(picker, c.format);
        SetPickerValue(picker, c.value);
        break;
      }
      case AlarmControlKind::Edit:
        AddDialogControl(hwnd_, font, L"EDIT", c.text, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, box, c.id);
        break;
      case AlarmControlKind::DropDown: {
        RECT withList = box;
        withList.bottom += kDropDownListHeight;
        HWND list = AddDialogControl(hwnd_, font, L"COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                     withList, c.id);
        for (const std::string& item : c.items)
          SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
        SendMessageW(list, CB_SETCURSEL, c.selected, 0);
        break;
      }
    }
  }
  // The panels' frames come last, under every control, and never paint over one.
  for (const AlarmPanel& p : layout.panels)
    AddDialogControl(hwnd_, font, L"STATIC", "", SS_ETCHEDFRAME | WS_CLIPSIBLINGS, RectOf(p.box), -1);
}
