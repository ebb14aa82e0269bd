#include "app/form_storage_win32.h"

#include <gtest/gtest.h>

#include "app/registry_storage_win32.h"
#include "support/scratch_registry_key_win32.h"
#include "time/dialog_driver_win32.h"
#include "time/picker_dialog_win32.h"
#include "time/timer_dialog_win32.h"

namespace {

struct TimerDialogWin32 : ::testing::Test {
  ScratchRegistryKey scratch;
  RegistryStorage storage{scratch.Sub("Kandrel\\OrmelClock")};
  TimerFormSettings settings{storage};
};

}  // namespace

TEST_F(TimerDialogWin32, SetsTheDurationAndRemembersAutoStartAndPosition) {
  double shownSeconds = -1;
  bool checkedFirst = false;
  RECT client{};
  DialogDriver first("Timer", [&](HWND dialog) {
    HWND time = GetDlgItem(dialog, kTimerTimeId);
    shownSeconds = DurationShown(PickerValue(time)) * 86400;
    checkedFirst = IsDlgButtonChecked(dialog, kTimerAutoStartId) == BST_CHECKED;
    GetClientRect(dialog, &client);
    SetPickerValue(time, 60.0 / 86400);
    CheckDlgButton(dialog, kTimerAutoStartId, BST_UNCHECKED);
    SetWindowPos(dialog, nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Press(dialog, IDOK);
  });
  const auto result = RunTimerDialog(nullptr, 90.0 / 86400, settings);
  EXPECT_NEAR(shownSeconds, 90, 1e-3);
  EXPECT_TRUE(checkedFirst) << "Auto Start is ticked by default";
  EXPECT_EQ(client.right, 241);
  EXPECT_EQ(client.bottom, 145);
  ASSERT_TRUE(result.has_value());
  EXPECT_NEAR(result->duration * 86400, 60, 1e-3);
  EXPECT_FALSE(result->autoStart);

  bool checkedAgain = true;
  RECT where{};
  DialogDriver second("Timer", [&](HWND dialog) {
    checkedAgain = IsDlgButtonChecked(dialog, kTimerAutoStartId) == BST_CHECKED;
    GetWindowRect(dialog, &where);
    Press(dialog, IDCANCEL);
  });
  EXPECT_FALSE(RunTimerDialog(nullptr, 60.0 / 86400, settings).has_value());
  EXPECT_FALSE(checkedAgain);
  EXPECT_EQ(where.left, 100);
  EXPECT_EQ(where.top, 120);
}
