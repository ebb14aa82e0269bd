#include "app/popup_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_clock.h"

namespace {

const std::vector<std::string> kSkins = {"royale", "Blue", "blue"};

const MenuItem& Submenu(const std::vector<MenuItem>& menu, const std::string& caption) {
  for (const MenuItem& item : menu)
    if (item.caption == caption) return item;
  static const MenuItem none;
  ADD_FAILURE() << "no submenu " << caption;
  return none;
}

// The captions of the checked items of a menu level.
std::vector<std::string> Checked(const std::vector<MenuItem>& items) {
  std::vector<std::string> out;
  for (const MenuItem& item : items)
    if (item.checked) out.push_back(item.caption);
  return out;
}

struct PopupMenuFixture : ::testing::Test {
  FakeClock clock;
  ClockState state{clock};
  std::vector<MenuItem> Menu() const { return PopupMenuModel(state, kSkins); }
};

}  // namespace

TEST_F(PopupMenuFixture, ItemsInOrderWithTheirKindsAndCommands) {
  struct Expected {
    const char* caption;
    MenuItemKind kind;
    int command;
  };
  const Expected top[] = {
      {"About...", MenuItemKind::Default, cmdAbout},
      {"-", MenuItemKind::Separator, cmdNone},
      {"Show/Hide", MenuItemKind::Command, cmdShowHide},
      {"-", MenuItemKind::Separator, cmdNone},
      {"Clock\t1", MenuItemKind::Radio, cmdClock},
      {"Countdown\t2", MenuItemKind::Radio, cmdCountdown},
      {"UpTime\t3", MenuItemKind::Radio, cmdUpTime},
      {"Stopwatch\t4", MenuItemKind::Radio, cmdStopwatch},
      {"Timer\t5", MenuItemKind::Radio, cmdTimer},
      {"-", MenuItemKind::Separator, cmdNone},
      {"World Clock...", MenuItemKind::Command, cmdWorldClock},
      {"Countdown...", MenuItemKind::Command, cmdCountdownDialog},
      {"Timer...", MenuItemKind::Command, cmdTimerDialog},
      {"Alarms...", MenuItemKind::Command, cmdAlarms},
      {"Skins", MenuItemKind::Submenu, cmdNone},
      {"Settings", MenuItemKind::Submenu, cmdNone},
      {"-", MenuItemKind::Separator, cmdNone},
      {"Exit", MenuItemKind::Command, cmdExit},
  };
  const std::vector<MenuItem> menu = Menu();
  ASSERT_EQ(menu.size(), std::size(top));
  for (size_t i = 0; i < menu.size(); ++i) {
    EXPECT_EQ(menu[i].caption, top[i].caption) << i;
    EXPECT_EQ(menu[i].kind, top[i].kind) << top[i].caption;
    EXPECT_EQ(menu[i].command, top[i].command) << top[i].caption;
    EXPECT_EQ(menu[i].submenu.empty(), top[i].kind != MenuItemKind::Submenu) << top[i].caption;
  }
  EXPECT_EQ(DefaultCommand(menu), cmdAbout) << "a double click on the tray icon runs About...";
  EXPECT_EQ(ModeTag(cmdTimer), ctTimer);

  const Expected settings[] = {
      {"On Top", MenuItemKind::Check, cmdOnTop},
      {"Load at Startup", MenuItemKind::Check, cmdLoadAtStartup},
      {"Chimes", MenuItemKind::Check, cmdChimes},
      {"AM/PM", MenuItemKind::Check, cmdAmPm},
  };
  const std::vector<MenuItem>& s = Submenu(menu, "Settings").submenu;
  ASSERT_EQ(s.size(), std::size(settings));
  for (size_t i = 0; i < s.size(); ++i) {
    EXPECT_EQ(s[i].caption, settings[i].caption);
    EXPECT_EQ(s[i].kind, settings[i].kind) << settings[i].caption;
    EXPECT_EQ(s[i].command, settings[i].command) << settings[i].caption;
  }
  EXPECT_EQ(Checked(s), (std::vector<std::string>{"On Top", "Load at Startup", "Chimes", "AM/PM"}))
      << "every setting is on by default";

  const std::vector<MenuItem>& skins = Submenu(menu, "Skins").submenu;
  ASSERT_EQ(skins.size(), kSkins.size());
  for (size_t i = 0; i < skins.size(); ++i) {
    EXPECT_EQ(skins[i].caption, kSkins[i]) << "in the order the folders were listed";
    EXPECT_EQ(skins[i].kind, MenuItemKind::Radio);
    EXPECT_EQ(skins[i].command, static_cast<int>(cmdFirstSkin + i));
  }
}

TEST_F(PopupMenuFixture, TheModesRadioMarkFollowsTheModeAndTheNetworkDifferenceHasNone) {
  struct Case {
    ClockType mode;
    std::vector<std::string> marked;
  };
  const Case cases[] = {
      {ctClock, {"Clock\t1"}},         {ctCountdown, {"Countdown\t2"}}, {ctUpTime, {"UpTime\t3"}},
      {ctStopwatch, {"Stopwatch\t4"}}, {ctTimer, {"Timer\t5"}},         {ctAtomic, {}},
  };
  for (const Case& c : cases) {
    state.FClockType = c.mode;
    const std::vector<MenuItem> menu = Menu();
    EXPECT_EQ(Checked(menu), c.marked) << "mode " << int(c.mode);
    for (const MenuItem& item : menu) {
      if (item.checked) {
        EXPECT_EQ(item.command, cmdClock + c.mode) << "the item runs the mode it marks";
      }
    }
  }
}

TEST_F(PopupMenuFixture, SettingsTicksFollowEveryCombinationOfOptions) {
  bool ClockOptions::*const fields[] = {&ClockOptions::onTop, &ClockOptions::loadAtStartup, &ClockOptions::chimes,
                                        &ClockOptions::amPm};
  for (int bits = 0; bits < 16; ++bits) {
    for (int i = 0; i < 4; ++i) state.options.*fields[i] = (bits >> i) & 1;
    const std::vector<MenuItem> menu = Menu();
    const std::vector<MenuItem>& settings = Submenu(menu, "Settings").submenu;
    ASSERT_EQ(settings.size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(settings[i].checked, bool((bits >> i) & 1)) << settings[i].caption << bits;
  }
}

TEST_F(PopupMenuFixture, EachSettingsCommandTogglesItsOwnOptionAndNoOther) {
  const int commands[] = {cmdOnTop, cmdLoadAtStartup, cmdChimes, cmdAmPm};
  for (int command : commands) {
    ClockOptions options;
    bool* option = OptionOf(options, command);
    ASSERT_NE(option, nullptr) << command;
    *option = !*option;
    state.options = options;
    const std::vector<MenuItem> settings = Submenu(Menu(), "Settings").submenu;
    for (const MenuItem& item : settings)
      EXPECT_EQ(item.checked, item.command != command) << "after toggling " << command << ": " << item.caption;
  }
  ClockOptions options;
  for (int command : {int(cmdNone), int(cmdAbout), int(cmdClock), int(cmdExit), int(cmdFirstSkin)})
    EXPECT_EQ(OptionOf(options, command), nullptr) << command;
}

TEST_F(PopupMenuFixture, TheCurrentSkinIsMarkedByItsExactName) {
  struct Case {
    std::string current;
    std::vector<std::string> marked;
  };
  const Case cases[] = {
      {"blue", {"blue"}},  {"Blue", {"Blue"}}, {"royale", {"royale"}},
      {"BLUE", {}},        {"gone", {}},       {"", {}},
  };
  for (const Case& c : cases) {
    state.FSkinName = c.current;
    EXPECT_EQ(Checked(Submenu(Menu(), "Skins").submenu), c.marked) << c.current;
  }
  EXPECT_TRUE(Submenu(PopupMenuModel(state, {}), "Skins").submenu.empty()) << "no skin folders";
}
