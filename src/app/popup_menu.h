#pragma once
#include <cstdint>
#include <vector>

// Commands of the popup menu and the mode shortcuts; also the Win32 command ids.
enum MenuCommand : uint16_t {
  cmdNone = 0,
  cmdAbout = 100,
  cmdShowHide,
  cmdClock,  // the five mode actions, in Tag order
  cmdCountdown,
  cmdUpTime,
  cmdStopwatch,
  cmdTimer,
  cmdWorldClock,
  cmdCountdownDialog,
  cmdTimerDialog,
  cmdAlarms,
  cmdOnTop,
  cmdLoadAtStartup,
  cmdChimes,
  cmdAmPm,
  cmdExit,
  cmdFirstSkin = 1000,  // the Skins submenu's items follow, one per folder
};

inline bool IsModeCommand(int cmd) { return cmd >= cmdClock && cmd <= cmdTimer; }
inline int ModeTag(int cmd) { return cmd - cmdClock; }

enum class MenuItemKind : uint8_t { Command, Default, Radio, Check, Separator, SkinsSubmenu, SettingsSubmenu };

struct MenuItemModel {
  MenuCommand command;
  const char* caption;
  MenuItemKind kind;
};

// The popup menu's top level, in order, and the Settings submenu.
const std::vector<MenuItemModel>& PopupMenuItems();
const std::vector<MenuItemModel>& SettingsMenuItems();
