#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/clock_state.h"

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

// The five mode actions, each with a digit key from "1" in Tag order.
inline constexpr int kModeActionCount = cmdTimer - cmdClock + 1;
inline char ModeShortcutKey(int tag) { return static_cast<char>('1' + tag); }

// Default is the bold item a double click on the tray icon runs; Radio items show a
// round mark when checked, Check items a tick.
enum class MenuItemKind : uint8_t { Command, Default, Radio, Check, Separator, Submenu };

struct MenuItem {
  MenuItemKind kind = MenuItemKind::Command;
  std::string caption;  // a tab separates the shortcut shown at the right
  int command = cmdNone;
  bool checked = false;
  std::vector<MenuItem> submenu;
};

// The popup menu as it opens now, from the top: the mode's radio mark (none in the network
// time difference), the Settings ticks and the current skin's mark among the skin folders.
std::vector<MenuItem> PopupMenuModel(const ClockState& state, const std::vector<std::string>& skinNames);

// The option a Settings item toggles; nullptr for any other command.
bool* OptionOf(ClockOptions& options, int command);

// The command of the menu's default item, cmdNone when it has none.
int DefaultCommand(const std::vector<MenuItem>& menu);
