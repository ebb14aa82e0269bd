#pragma once
#include <windows.h>

#include <vector>

#include "app/popup_menu.h"
#include "base/handles_win32.h"

// The popup menu built from its model, submenus included. Built afresh each time it
// opens, so its marks are those of that moment.
MenuHandle BuildPopupMenu(const std::vector<MenuItem>& model);

// Opens the menu at a screen point with `owner` in the foreground; the chosen command,
// cmdNone when the menu was dismissed.
int ChoosePopupCommand(const std::vector<MenuItem>& model, POINT screen, HWND owner);

// The mode actions' digit keys, which switch modes on the clock window.
AccelHandle BuildModeShortcuts();
