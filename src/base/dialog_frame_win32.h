#pragma once
#include <windows.h>

#include <string>

#include "base/handles_win32.h"

// Dialogs built in code: an empty in-memory template, then controls placed in pixels.
struct EmptyDialogTemplate {
  DLGTEMPLATE dlg;
  WORD menu, windowClass, title;
};

// The default dialog font, "MS Sans Serif" 8 point, at the dialog's monitor scale.
FontHandle DefaultDialogFont(HWND dialog);

// A box given in pixels at 96 pixels per inch, on the dialog's monitor.
RECT ScaledBox(HWND dialog, RECT box);

// Adds a control at `box`, given in pixels at 96 pixels per inch: it is scaled to the dialog's
// monitor like the font, so text and controls keep their proportions at every scale.
HWND AddDialogControl(HWND dialog, HFONT font, const wchar_t* className, const std::string& text, DWORD style, RECT box,
                      int id);
