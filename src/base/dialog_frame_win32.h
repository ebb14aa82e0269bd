#pragma once
#include <windows.h>

#include "base/handles_win32.h"

// Dialogs built in code: an empty in-memory template, then controls placed in pixels.
struct EmptyDialogTemplate {
  DLGTEMPLATE dlg;
  WORD menu, windowClass, title;
};

// The default dialog font, "MS Sans Serif" 8 point.
FontHandle DefaultDialogFont();

HWND AddDialogControl(HWND dialog, HFONT font, const char* className, const char* text, DWORD style, RECT box,
                      int id);
