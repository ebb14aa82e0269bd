#include "app/popup_menu.h"

#include <utility>

namespace {

struct SettingsItem {
  MenuCommand command;
  const char* caption;
  bool ClockOptions::*option;
};

// The Settings submenu; each item toggles its own option.
constexpr SettingsItem kSettings[] = {
    {cmdOnTop, "On Top", &ClockOptions::onTop},
    {cmdLoadAtStartup, "Load at Startup", &ClockOptions::loadAtStartup},
    {cmdChimes, "Chimes", &ClockOptions::chimes},
    {cmdAmPm, "AM/PM", &ClockOptions::amPm},
};

MenuItem Item(MenuItemKind kind, std::string caption, int command = cmdNone, bool checked = false) {
  MenuItem item;
  item.kind = kind;
  item.caption = std::move(caption);
  item.command = command;
  item.checked = checked;
  return item;
}

MenuItem Separator() { return Item(MenuItemKind::Separator, "-"); }

MenuItem Command(const char* caption, MenuCommand command) { return Item(MenuItemKind::Command, caption, command); }

MenuItem ModeItem(const char* name, ClockType mode, ClockType current) {
  return Item(MenuItemKind::Radio, std::string(name) + '\t' + ModeShortcutKey(mode), cmdClock + mode, mode == current);
}

MenuItem SkinsSubmenu(const std::vector<std::string>& names, const std::string& current) {
  MenuItem skins = Item(MenuItemKind::Submenu, "Skins");
  // Folder names are compared exactly: "Blue" and "blue" are two skins.
  for (size_t i = 0; i < names.size(); ++i)
    skins.submenu.push_back(
        Item(MenuItemKind::Radio, names[i], static_cast<int>(cmdFirstSkin + i), names[i] == current));
  return skins;
}

MenuItem SettingsSubmenu(const ClockOptions& options) {
  MenuItem settings = Item(MenuItemKind::Submenu, "Settings");
  for (const SettingsItem& s : kSettings)
    settings.submenu.push_back(Item(MenuItemKind::Check, s.caption, s.command, options.*s.option));
  return settings;
}

}  // namespace

std::vector<MenuItem> PopupMenuModel(const ClockState& state, const std::vector<std::string>& skinNames) {
  const ClockType mode = state.FClockType;
  return {
      Item(MenuItemKind::Default, "About...", cmdAbout),
      Separator(),
      Command("Show/Hide", cmdShowHide),
      Separator(),
      ModeItem("Clock", ctClock, mode),
      ModeItem("Countdown", ctCountdown, mode),
      ModeItem("UpTime", ctUpTime, mode),
      ModeItem("Stopwatch", ctStopwatch, mode),
      ModeItem("Timer", ctTimer, mode),
      Separator(),
      Command("World Clock...", cmdWorldClock),
      Command("Countdown...", cmdCountdownDialog),
      Command("Timer...", cmdTimerDialog),
      Command("Alarms...", cmdAlarms),
      SkinsSubmenu(skinNames, state.FSkinName),
      SettingsSubmenu(state.options),
      Separator(),
      Command("Exit", cmdExit),
  };
}

bool* OptionOf(ClockOptions& options, int command) {
  for (const SettingsItem& s : kSettings)
    if (s.command == command) return &(options.*s.option);
  return nullptr;
}

int DefaultCommand(const std::vector<MenuItem>& menu) {
  for (const MenuItem& item : menu)
    if (item.kind == MenuItemKind::Default) return item.command;
  return cmdNone;
}
