#include "app/popup_menu_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_clock.h"

namespace {

// One item of a built menu as Windows reports it.
struct BuiltItem {
  std::string caption;
  UINT type = 0, state = 0, id = 0;
  HMENU submenu = nullptr;
};

std::vector<BuiltItem> ReadBack(HMENU menu) {
  std::vector<BuiltItem> items;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[128] = {};
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    mii.dwTypeData = text;
    mii.cch = sizeof text;
    EXPECT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &mii)) << i;
    items.push_back({text, mii.fType, mii.fState, mii.wID, mii.hSubMenu});
  }
  return items;
}

// The built menu holds exactly the model: captions, ids, kinds and marks, every item enabled.
void ExpectBuiltAsModelled(HMENU menu, const std::vector<MenuItem>& model, const std::string& where) {
  const std::vector<BuiltItem> built = ReadBack(menu);
  ASSERT_EQ(built.size(), model.size()) << where;
  for (size_t i = 0; i < model.size(); ++i) {
    const MenuItem& m = model[i];
    const BuiltItem& b = built[i];
    const std::string at = where + " > " + m.caption;
    EXPECT_EQ(b.state & (MFS_DISABLED | MFS_GRAYED), 0u) << at << " is greyed";
    EXPECT_EQ((b.state & MFS_CHECKED) != 0, m.checked) << at;
    EXPECT_EQ((b.state & MFS_DEFAULT) != 0, m.kind == MenuItemKind::Default) << at;
    EXPECT_EQ((b.type & MFT_SEPARATOR) != 0, m.kind == MenuItemKind::Separator) << at;
    EXPECT_EQ((b.type & MFT_RADIOCHECK) != 0, m.kind == MenuItemKind::Radio) << at;
    if (m.kind == MenuItemKind::Separator) continue;
    EXPECT_EQ(b.caption, m.caption) << at;
    if (m.kind == MenuItemKind::Submenu) {
      ASSERT_NE(b.submenu, nullptr) << at;
      ExpectBuiltAsModelled(b.submenu, m.submenu, at);
    } else {
      EXPECT_EQ(b.submenu, nullptr) << at;
      EXPECT_EQ(b.id, static_cast<UINT>(m.command)) << at;
    }
  }
}

struct PopupMenuWin32 : ::testing::Test {
  FakeClock clock;
  ClockState state{clock};
  const std::vector<std::string> skins = {"royale", "Blue", "blue"};
};

}  // namespace

TEST_F(PopupMenuWin32, TheBuiltMenuShowsTheClocksStateWithEveryItemEnabled) {
  state.FClockType = ctUpTime;
  state.options.chimes = false;
  state.options.amPm = false;
  state.FSkinName = "Blue";
  const MenuHandle menu = BuildPopupMenu(PopupMenuModel(state, skins));
  const std::vector<BuiltItem> top = ReadBack(menu.get());
  ASSERT_EQ(top.size(), 18u);
  EXPECT_EQ(GetMenuDefaultItem(menu.get(), FALSE, 0), static_cast<UINT>(cmdAbout));
  for (const BuiltItem& item : top)
    EXPECT_EQ((item.state & MFS_CHECKED) != 0, item.id == cmdUpTime) << item.caption << ": only UpTime is marked";
  EXPECT_NE(top[6].type & MFT_RADIOCHECK, 0u) << "the mode's mark is a radio mark";

  ASSERT_EQ(top[15].caption, "Settings");
  const std::vector<BuiltItem> settings = ReadBack(top[15].submenu);
  ASSERT_EQ(settings.size(), 4u);
  const bool ticked[] = {true, true, false, false};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ((settings[i].state & MFS_CHECKED) != 0, ticked[i]) << settings[i].caption;
    EXPECT_EQ(settings[i].state & MFS_GRAYED, 0u) << settings[i].caption << " can be chosen";
  }
  EXPECT_EQ(settings[2].caption, "Chimes");
  EXPECT_EQ(settings[2].id, static_cast<UINT>(cmdChimes));

  ASSERT_EQ(top[14].caption, "Skins");
  const std::vector<BuiltItem> skinItems = ReadBack(top[14].submenu);
  ASSERT_EQ(skinItems.size(), 3u);
  EXPECT_EQ(skinItems[1].caption, "Blue");
  for (size_t i = 0; i < 3; ++i)
    EXPECT_EQ((skinItems[i].state & MFS_CHECKED) != 0, i == 1) << skinItems[i].caption << ": only the exact name";
}

TEST_F(PopupMenuWin32, EveryModeAndSettingIsBuiltAsModelled) {
  for (int mode = ctClock; mode <= ctAtomic; ++mode) {
    state.FClockType = static_cast<ClockType>(mode);
    state.options = ClockOptions{};
    *OptionOf(state.options, cmdOnTop + mode % 4) = false;
    state.FSkinName = skins[static_cast<size_t>(mode) % skins.size()];
    const std::vector<MenuItem> model = PopupMenuModel(state, skins);
    const MenuHandle menu = BuildPopupMenu(model);
    ExpectBuiltAsModelled(menu.get(), model, "mode " + std::to_string(mode));
  }
}

TEST(ModeShortcuts, TheDigitKeysRunTheModeActionsInTagOrder) {
  const AccelHandle table = BuildModeShortcuts();
  ASSERT_TRUE(table);
  ACCEL keys[8] = {};
  ASSERT_EQ(CopyAcceleratorTableA(table.get(), keys, 8), kModeActionCount);
  const int commands[] = {cmdClock, cmdCountdown, cmdUpTime, cmdStopwatch, cmdTimer};
  for (int i = 0; i < kModeActionCount; ++i) {
    EXPECT_EQ(keys[i].key, '1' + i) << i;
    EXPECT_EQ(keys[i].cmd, commands[i]) << i;
    EXPECT_EQ(keys[i].fVirt & FVIRTKEY, FVIRTKEY) << "no modifier: the plain digit";
  }
}
