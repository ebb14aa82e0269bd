#include "base/dialog_frame_win32.h"

#include "base/display_scale.h"
#include "base/wide_text_win32.h"
#include "base/window_scale_win32.h"

FontHandle DefaultDialogFont(HWND dialog) {
  const int ppi = ScaledLength(96, WindowScale(dialog));
  return FontHandle(CreateFontW(-MulDiv(8, ppi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                L"MS Sans Serif"));
}

RECT ScaledBox(HWND dialog, RECT box) {
  const double scale = WindowScale(dialog);
  return RECT{ScaledLength(box.left, scale), ScaledLength(box.top, scale), ScaledLength(box.right, scale),
              ScaledLength(box.bottom, scale)};
}

HWND AddDialogControl(HWND dialog, HFONT font, const wchar_t* className, const std::string& text, DWORD style, RECT box,
                      int id) {
  box = ScaledBox(dialog, box);
  HWND control = CreateWindowExW(0, className, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, box.left, box.top,
                                 box.right - box.left, box.bottom - box.top, dialog,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}
