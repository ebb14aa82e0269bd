#include "ui/alarms_dialog_win32.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/alarms_layout.h"

namespace {

bool IsTabStop(AlarmControlKind k) {
  return k != AlarmControlKind::Caption && k != AlarmControlKind::CheckLabel;
}

// The id of the n-th check box of the panel with the caption, in tab order.
int CheckBoxId(const std::string& panel, size_t n) {
  const AlarmsLayout& l = AlarmsDialogLayout();
  for (const AlarmPanel& p : l.panels) {
    if (p.caption != panel) continue;
    size_t seen = 0;
    for (const AlarmControl& c : l.controls) {
      const bool inside = c.box.left >= p.box.left && c.box.top >= p.box.top && c.box.Bottom() <= p.box.Bottom();
      if (c.kind == AlarmControlKind::CheckBox && inside && seen++ == n) return c.id;
    }
  }
  return -1;
}

int IdOfKind(AlarmControlKind kind, size_t n = 0) {
  for (const AlarmControl& c : AlarmsDialogLayout().controls)
    if (c.kind == kind && n-- == 0) return c.id;
  return -1;
}

std::vector<int> CheckedBoxes(HWND dialog) {
  std::vector<int> out;
  for (const AlarmControl& c : AlarmsDialogLayout().controls)
    if (c.kind == AlarmControlKind::CheckBox && IsDlgButtonChecked(dialog, c.id) == BST_CHECKED) out.push_back(c.id);
  return out;
}

SYSTEMTIME PickerTime(HWND dialog, int id) {
  SYSTEMTIME st{};
  SendDlgItemMessageA(dialog, id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
  return st;
}

struct AlarmsDialogWin32 : ::testing::Test {
  TfAlarms fAlarms{GetModuleHandleA(nullptr), LoadIcon(nullptr, IDI_APPLICATION)};
  HWND Dialog() const { return fAlarms.Handle(); }
};

TEST_F(AlarmsDialogWin32, IsMadeHiddenAsTheFormLaysItOut) {
  ASSERT_NE(Dialog(), nullptr);
  EXPECT_FALSE(IsWindowVisible(Dialog()));
  char caption[32] = {};
  GetWindowTextA(Dialog(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Alarms");
  RECT r;
  GetWindowRect(Dialog(), &r);
  EXPECT_EQ(r.left, 766);
  EXPECT_EQ(r.top, 201);
  EXPECT_EQ(r.right - r.left, 551);
  EXPECT_EQ(r.bottom - r.top, 537);
  EXPECT_NE(GetWindowLongA(Dialog(), GWL_STYLE) & WS_THICKFRAME, 0) << "a sizeable frame";
  EXPECT_NE(SendMessageA(Dialog(), WM_GETICON, ICON_BIG, 0), 0);

  EXPECT_TRUE(CheckedBoxes(Dialog()).empty()) << "every box starts unchecked";
  int boxes = 0;
  for (const AlarmControl& c : AlarmsDialogLayout().controls) {
    HWND control = GetDlgItem(Dialog(), c.id);
    ASSERT_NE(control, nullptr) << c.text;
    boxes += c.kind == AlarmControlKind::CheckBox;
    RECT box;
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, Dialog(), reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, c.box.left) << c.text;
    EXPECT_EQ(box.top, c.box.top) << c.text;
  }
  EXPECT_EQ(boxes, 10 + 13 + 6 + 8 + 32);
  RECT client;
  GetClientRect(Dialog(), &client);
  for (const AlarmPanel& p : AlarmsDialogLayout().panels) EXPECT_LE(p.box.Right(), client.right) << p.caption;
}

TEST_F(AlarmsDialogWin32, PickersListAndTextShowTheirStartingValues) {
  for (int n = 0; n < 2; ++n) {
    const SYSTEMTIME d = PickerTime(Dialog(), IdOfKind(AlarmControlKind::DatePicker, n));
    EXPECT_EQ(d.wYear * 10000 + d.wMonth * 100 + d.wDay, 20121209);
  }
  const SYSTEMTIME t = PickerTime(Dialog(), IdOfKind(AlarmControlKind::TimePicker));
  EXPECT_EQ(t.wHour * 10000 + t.wMinute * 100 + t.wSecond, 233750);
  char text[32] = {};
  GetDlgItemTextA(Dialog(), IdOfKind(AlarmControlKind::Edit), text, sizeof text);
  EXPECT_STREQ(text, "1");
  const int list = IdOfKind(AlarmControlKind::DropDown);
  EXPECT_EQ(SendDlgItemMessageA(Dialog(), list, CB_GETCOUNT, 0, 0), 8);
  EXPECT_EQ(SendDlgItemMessageA(Dialog(), list, CB_GETCURSEL, 0, 0), 0);
  GetDlgItemTextA(Dialog(), list, text, sizeof text);
  EXPECT_STREQ(text, "Year");
}

TEST_F(AlarmsDialogWin32, TabbingFollowsThePanelsTabOrder) {
  std::vector<int> expected, walked;
  for (const AlarmControl& c : AlarmsDialogLayout().controls)
    if (IsTabStop(c.kind)) expected.push_back(c.id);
  HWND at = GetNextDlgTabItem(Dialog(), nullptr, FALSE);
  for (size_t i = 0; i < expected.size() && at; ++i) {
    walked.push_back(GetDlgCtrlID(at));
    at = GetNextDlgTabItem(Dialog(), at, FALSE);
  }
  EXPECT_EQ(walked, expected);
  EXPECT_EQ(walked.front(), CheckBoxId("Months:", 0)) << "the months panel comes first";
}

TEST_F(AlarmsDialogWin32, OpensWithTheKeyboardOnItsFirstControlThenWhereTheUserLeftIt) {
  fAlarms.Show();
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), CheckBoxId("Months:", 0)) << "the first control in tab order";
  const HWND june = GetDlgItem(Dialog(), CheckBoxId("Months:", 6));
  SetFocus(june);
  SendMessageA(Dialog(), WM_CLOSE, 0, 0);
  fAlarms.Show();
  EXPECT_EQ(GetFocus(), june) << "opened again: where the user left it";
}

TEST_F(AlarmsDialogWin32, ClosingHidesAndTheEntriesStayForTheNextOpening) {
  fAlarms.Show();
  EXPECT_TRUE(IsWindowVisible(Dialog()));
  const int allYears = CheckBoxId("Years:", 0), june = CheckBoxId("Months:", 6);
  SendDlgItemMessageA(Dialog(), allYears, BM_CLICK, 0, 0);
  SendDlgItemMessageA(Dialog(), june, BM_CLICK, 0, 0);
  SetDlgItemTextA(Dialog(), IdOfKind(AlarmControlKind::Edit), "3");
  EXPECT_EQ(CheckedBoxes(Dialog()), (std::vector<int>{june, allYears})) << "\"All\" ticks no other box";

  const HWND before = Dialog();
  SendMessageA(Dialog(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(before));
  EXPECT_TRUE(IsWindow(before)) << "closing only hides";
  fAlarms.Show();
  EXPECT_EQ(Dialog(), before) << "the same window opens again";
  EXPECT_TRUE(IsWindowVisible(Dialog()));
  EXPECT_EQ(CheckedBoxes(Dialog()), (std::vector<int>{june, allYears}));
  char text[8] = {};
  GetDlgItemTextA(Dialog(), IdOfKind(AlarmControlKind::Edit), text, sizeof text);
  EXPECT_STREQ(text, "3");
}

TEST_F(AlarmsDialogWin32, ShowingAgainBringsAMinimisedOrMaximisedWindowToTheFront) {
  fAlarms.Show();
  ShowWindow(Dialog(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(Dialog()));
  fAlarms.Show();
  EXPECT_FALSE(IsIconic(Dialog())) << "restored from the minimised state";
  EXPECT_TRUE(IsWindowVisible(Dialog()));
  EXPECT_EQ(GetForegroundWindow(), Dialog());
  RECT r;
  GetWindowRect(Dialog(), &r);
  EXPECT_EQ(r.right - r.left, 551) << "at its own size again";

  ShowWindow(Dialog(), SW_MAXIMIZE);
  fAlarms.Show();
  EXPECT_TRUE(IsZoomed(Dialog())) << "a maximised window stays maximised";
  ShowWindow(Dialog(), SW_MINIMIZE);
  fAlarms.Show();
  EXPECT_TRUE(IsZoomed(Dialog())) << "minimised from maximised, it comes back maximised";
}

}  // namespace
