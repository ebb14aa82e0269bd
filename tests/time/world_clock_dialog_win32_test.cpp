#include "time/world_clock_dialog_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "time/dialog_driver_win32.h"
#include "time/fake_zone_source.h"

namespace {

std::string Text(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// What a click on a list item sends.
void ClickZone(HWND dialog, int index) {
  HWND list = GetDlgItem(dialog, kListZonesId);
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kListZonesId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void TypeLabel(HWND dialog, const char* text) { SetWindowTextA(GetDlgItem(dialog, kClockLabelId), text); }

void ClickReset(HWND dialog) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kResetId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, kResetId)));
}

SIZE SizeOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// A top-level window standing in for the clock.
struct OwnerWindow {
  HWND hwnd = CreateWindowExA(0, "STATIC", "clock", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  ~OwnerWindow() { DestroyWindow(hwnd); }
};

}  // namespace

TEST(WorldClockDialogWin32, ShowsTheSavedZoneAndLabelThenTakesThePick) {
  FakeZoneSource source = DialogZones();
  const TQvRegistryTimeZones zones(source);
  const OwnerWindow clock;
  RECT client{};
  SIZE list{}, combo{};
  LRESULT items = 0, selected = 0, choices = 0, choicesAfterPick = 0;
  std::string caption, label, labelAfterPick, firstItem;
  bool texts = false, clockEnabled = true, desktopEnabled = false;
  HWND owner = nullptr;
  DialogDriver driver("World Clock", [&](HWND dialog) {
    GetClientRect(dialog, &client);
    caption = Text(dialog);
    owner = GetWindow(dialog, GW_OWNER);
    clockEnabled = IsWindowEnabled(clock.hwnd);
    desktopEnabled = IsWindowEnabled(GetDesktopWindow());
    HWND zonesList = GetDlgItem(dialog, kListZonesId), labelCombo = GetDlgItem(dialog, kClockLabelId);
    list = SizeOf(zonesList);
    combo = SizeOf(labelCombo);
    items = SendMessageA(zonesList, LB_GETCOUNT, 0, 0);
    selected = SendMessageA(zonesList, LB_GETCURSEL, 0, 0);
    char item[128] = {};
    SendMessageA(zonesList, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(item));
    firstItem = item;
    choices = SendMessageA(labelCombo, CB_GETCOUNT, 0, 0);
    label = Text(labelCombo);
    texts = HasChildText(dialog, "Clock Label:") && HasChildText(dialog, "Select Time Zone:") &&
            HasChildText(dialog, "Reset") && HasChildText(dialog, "OK") && HasChildText(dialog, "Cancel");
    ClickZone(dialog, kDialogChennai);
    labelAfterPick = Text(labelCombo);
    choicesAfterPick = SendMessageA(labelCombo, CB_GETCOUNT, 0, 0);
    TypeLabel(dialog, "Pune");
    Press(dialog, IDOK);
  });
  const auto result = RunWorldClockDialog(clock.hwnd, zones, kDialogTokyo, "Home");

  EXPECT_EQ(caption, "World Clock");
  EXPECT_EQ(client.right, 320);
  EXPECT_EQ(client.bottom, 219);
  // Modal to the clock alone: the clock takes no input while it is open, the desktop does.
  EXPECT_EQ(owner, clock.hwnd);
  EXPECT_FALSE(clockEnabled);
  EXPECT_TRUE(desktopEnabled);
  EXPECT_TRUE(IsWindowEnabled(clock.hwnd)) << "the clock takes input again after OK";
  EXPECT_EQ(list.cx, 289);
  EXPECT_EQ(list.cy, 65);
  EXPECT_EQ(combo.cx, 145);
  EXPECT_TRUE(texts);
  EXPECT_EQ(items, 4);
  EXPECT_EQ(firstItem, "(GMT-05:00) Eastern Time (US & Canada)");
  EXPECT_EQ(selected, kDialogTokyo);
  EXPECT_EQ(label, "Home");  // the saved label, not Tokyo's first place word
  EXPECT_EQ(choices, 3);
  EXPECT_EQ(labelAfterPick, "Chennai");
  EXPECT_EQ(choicesAfterPick, 5);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->zoneId, kDialogChennai);
  EXPECT_EQ(result->label, "Pune");
}

TEST(WorldClockDialogWin32, ResetClearsTheZoneAndRestoresTheLabel) {
  FakeZoneSource source = DialogZones();
  const TQvRegistryTimeZones zones(source);
  LRESULT selected = 0;
  std::string label;
  DialogDriver driver("World Clock", [&](HWND dialog) {
    ClickReset(dialog);
    selected = SendMessageA(GetDlgItem(dialog, kListZonesId), LB_GETCURSEL, 0, 0);
    label = Text(GetDlgItem(dialog, kClockLabelId));
    Press(dialog, IDOK);
  });
  const auto result = RunWorldClockDialog(nullptr, zones, kDialogTokyo, "Home");
  EXPECT_EQ(selected, LB_ERR);
  EXPECT_EQ(label, "Clock");
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->zoneId, -1);
  EXPECT_EQ(result->label, "Clock");
}

TEST(WorldClockDialogWin32, AZoneWithoutPlaceNamesKeepsWhatWasTyped) {
  FakeZoneSource source = DialogZones();
  const TQvRegistryTimeZones zones(source);
  DialogDriver driver("World Clock", [&](HWND dialog) {
    TypeLabel(dialog, "Greenwich");
    ClickZone(dialog, kDialogUtc);
    Press(dialog, IDOK);
  });
  const auto result = RunWorldClockDialog(nullptr, zones, -1, "Clock");
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->zoneId, kDialogUtc);
  EXPECT_EQ(result->label, "Greenwich");
}

TEST(WorldClockDialogWin32, CancelAfterChangesGivesNothing) {
  FakeZoneSource source = DialogZones();
  const TQvRegistryTimeZones zones(source);
  DialogDriver driver("World Clock", [&](HWND dialog) {
    ClickZone(dialog, kDialogChennai);
    TypeLabel(dialog, "Pune");
    Press(dialog, IDCANCEL);
  });
  const OwnerWindow clock;
  EXPECT_FALSE(RunWorldClockDialog(clock.hwnd, zones, kDialogTokyo, "Home").has_value());
  EXPECT_TRUE(IsWindowEnabled(clock.hwnd)) << "the clock takes input again after Cancel";
}

TEST(WorldClockDialogWin32, ASavedIdBeyondTheListOpensWithNoZone) {
  FakeZoneSource source = DialogZones();
  const TQvRegistryTimeZones zones(source);
  LRESULT selected = 0;
  DialogDriver driver("World Clock", [&](HWND dialog) {
    selected = SendMessageA(GetDlgItem(dialog, kListZonesId), LB_GETCURSEL, 0, 0);
    Press(dialog, IDOK);
  });
  const auto result = RunWorldClockDialog(nullptr, zones, 4, "Home");
  EXPECT_EQ(selected, LB_ERR);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->zoneId, -1);
  EXPECT_EQ(result->label, "Home");
}
