#pragma once
#include <string>
#include <vector>

#include "time/date_time.h"

// The alarms dialog as it is laid out: the window, eight panels and their controls.
enum class AlarmControlKind { Caption, CheckBox, CheckLabel, DatePicker, TimePicker, Edit, DropDown };

struct LayoutBox {
  int left, top, width, height;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
};

struct AlarmControl {
  AlarmControlKind kind;
  std::string text;  // caption, label or edit text
  LayoutBox box;     // in the dialog's client coordinates
  int id;            // unique within the dialog
  TDateTime value = 0;               // pickers
  const char* format = nullptr;      // time picker
  std::vector<std::string> items;    // drop-down list
  int selected = -1;
};

struct AlarmPanel {
  std::string caption;
  LayoutBox box;
};

struct AlarmsLayout {
  const char* caption;
  LayoutBox window;                  // outer frame on the screen
  std::vector<AlarmPanel> panels;    // in tab order
  std::vector<AlarmControl> controls;  // in tab order
};

constexpr int kAlarmsFirstId = 1000;

const AlarmsLayout& AlarmsDialogLayout();
