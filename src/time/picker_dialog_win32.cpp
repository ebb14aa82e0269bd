#include "time/picker_dialog_win32.h"

#include <commctrl.h>

#include <cmath>

#include "base/dialog_frame_win32.h"
#include "base/display_scale.h"
#include "base/wide_text_win32.h"
#include "base/window_scale_win32.h"
#include "time/system_time_convert_win32.h"

namespace {

constexpr int kButtonWidth = 75, kButtonHeight = 25, kMargin = 8;

void LoadPickerControls() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES};
  InitCommonControlsEx(&icc);
}

}  // namespace

bool PickerDialog::RunModal(HWND owner) {
  LoadPickerControls();
  EmptyDialogTemplate t{};
  t.dlg.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  t.dlg.dwExtendedStyle = WS_EX_TOPMOST;
  const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &t.dlg, owner, DialogProc,
                                                 reinterpret_cast<LPARAM>(this));
  return result == IDOK;
}

INT_PTR CALLBACK PickerDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    auto* self = reinterpret_cast<PickerDialog*>(lp);
    SetWindowLongPtrW(hwnd, DWLP_USER, lp);
    self->hwnd_ = hwnd;
    self->Init();
    return TRUE;
  }
  auto* self = reinterpret_cast<PickerDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self) return FALSE;
  switch (msg) {
    case WM_PAINT:
      self->PaintHeading();
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) self->OnOk();
      if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
        EndDialog(hwnd, LOWORD(wp));
        return TRUE;
      }
      return self->OnCommand(LOWORD(wp), HIWORD(wp)) ? TRUE : FALSE;
    case WM_DESTROY:
      self->OnDestroy();
      return FALSE;
    default:
      return FALSE;
  }
}

void PickerDialog::Init() {
  SetWindowTextUtf8(hwnd_, caption_);
  font_ = DefaultDialogFont(hwnd_);
  headingFont_.reset(CreateFontW(-ScaledLength(32, WindowScale(hwnd_)), 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0,
                                 L"Arial"));
  // Fixed client size, centred on the screen, in the topmost band.
  RECT frame = ScaledBox(hwnd_, RECT{0, 0, client_.cx, client_.cy});
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
  const int w = frame.right - frame.left, h = frame.bottom - frame.top;
  SetWindowPos(hwnd_, HWND_TOPMOST, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2,
               w, h, SWP_NOACTIVATE);
  OnInit();
}

HWND PickerDialog::AddControl(const wchar_t* className, const std::string& text, DWORD style, RECT box, int id) {
  return AddDialogControl(hwnd_, font_.get(), className, text, style, box, id);
}

HWND PickerDialog::AddPicker(DWORD style, const char* format, RECT box, int id) {
  HWND picker = AddControl(DATETIMEPICK_CLASSW, "", WS_TABSTOP | style, box, id);
  if (format) SetPickerFormat(picker, format);
  return picker;
}

void PickerDialog::AddButtonRow(int separatorTop) {
  AddControl(L"STATIC", "", SS_ETCHEDHORZ, {kMargin, separatorTop, client_.cx - kMargin, separatorTop + 2}, -1);
  const int top = client_.cy - kMargin - kButtonHeight;
  const int cancelLeft = client_.cx - kMargin - kButtonWidth;
  const int okLeft = cancelLeft - kMargin - kButtonWidth;
  AddControl(L"BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, {okLeft, top, okLeft + kButtonWidth, top + kButtonHeight},
             IDOK);
  AddControl(L"BUTTON", "Cancel", WS_TABSTOP | BS_PUSHBUTTON,
             {cancelLeft, top, cancelLeft + kButtonWidth, top + kButtonHeight}, IDCANCEL);
  SendMessageW(hwnd_, DM_SETDEFID, IDOK, 0);
}

void PickerDialog::PaintHeading() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  {
    SelectedObject font(dc, headingFont_.get());
    SetBkMode(dc, TRANSPARENT);
    const std::wstring heading = Wide(heading_);
    const int len = static_cast<int>(heading.size());
    // Embossed: a white copy one pixel right and down under the grey one.
    const double scale = WindowScale(hwnd_);
    const int x = ScaledLength(kMargin, scale), y = ScaledLength(kMargin / 2, scale);
    const int shadow = ScaledLength(1, scale);
    SetTextColor(dc, RGB(255, 255, 255));
    TextOutW(dc, x + shadow, y + shadow, heading.c_str(), len);
    SetTextColor(dc, RGB(128, 128, 128));
    TextOutW(dc, x, y, heading.c_str(), len);
  }
  EndPaint(hwnd_, &ps);
}

TDateTime PickerValue(HWND picker) {
  SYSTEMTIME st{};
  if (SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID) return 0;
  return FromSystemTime(st);
}

void SetPickerValue(HWND picker, TDateTime value) {
  SYSTEMTIME st = ToSystemTime(value);
  SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

void SetPickerFormat(HWND picker, const char* format) {
  SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(Wide(format).c_str()));
}
