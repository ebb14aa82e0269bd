#pragma once
#include "app/clock_type.h"
#include "skin/skin_button.h"
#include "ui/tooltip_manager.h"

struct ButtonTips {
  const char* left;
  const char* right;
};

// Tooltip texts of the left and right skin buttons in each mode.
ButtonTips ButtonTipsFor(ClockType t);

// The main window's two items: tooltip 0 for the left button, 1 for the right one.
void AddButtonTools(TToolTipManager& manager, const TSknButton& left, const TSknButton& right);

// Writes the mode's texts into both items and registers them again, so that they show.
void ApplyButtonTips(TToolTipManager& manager, ClockType t);
