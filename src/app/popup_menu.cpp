#include "app/popup_menu.h"

const std::vector<MenuItemModel>& PopupMenuItems() {
  static const std::vector<MenuItemModel> items = {
      {cmdAbout, "About...", MenuItemKind::Default},
      {cmdNone, "-", MenuItemKind::Separator},
      {cmdShowHide, "Show/Hide", MenuItemKind::Command},
      {cmdNone, "-", MenuItemKind::Separator},
      {cmdClock, "Clock\t1", MenuItemKind::Radio},
      {cmdCountdown, "Countdown\t2", MenuItemKind::Radio},
      {cmdUpTime, "UpTime\t3", MenuItemKind::Radio},
      {cmdStopwatch, "Stopwatch\t4", MenuItemKind::Radio},
      {cmdTimer, "Timer\t5", MenuItemKind::Radio},
      {cmdNone, "-", MenuItemKind::Separator},
      {cmdWorldClock, "World Clock...", MenuItemKind::Command},
      {cmdCountdownDialog, "Countdown...", MenuItemKind::Command},
      {cmdTimerDialog, "Timer...", MenuItemKind::Command},
      {cmdAlarms, "Alarms...", MenuItemKind::Command},
      {cmdNone, "Skins", MenuItemKind::SkinsSubmenu},
      {cmdNone, "Settings", MenuItemKind::SettingsSubmenu},
      {cmdNone, "-", MenuItemKind::Separator},
      {cmdExit, "Exit", MenuItemKind::Command},
  };
  return items;
}

const std::vector<MenuItemModel>& SettingsMenuItems() {
  static const std::vector<MenuItemModel> items = {
      {cmdOnTop, "On Top", MenuItemKind::Check},
      {cmdLoadAtStartup, "Load at Startup", MenuItemKind::Check},
      {cmdChimes, "Chimes", MenuItemKind::Check},
      {cmdAmPm, "AM/PM", MenuItemKind::Check},
  };
  return items;
}
