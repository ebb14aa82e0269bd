#include "time/countdown_dialog_win32.h"

#include <gtest/gtest.h>

#include "support/date_at.h"
#include "time/dialog_driver_win32.h"
#include "time/picker_dialog_win32.h"

TEST(CountdownDialogWin32, ShowsTheTargetAndReturnsTheNewOneOnOk) {
  TDateTime shownDate = 0, shownTime = 0;
  RECT client{};
  LONG_PTR exStyle = 0;
  bool labels = false;
  DialogDriver driver("Countdown to ...", [&](HWND dialog) {
    HWND date = GetDlgItem(dialog, kCountdownDateId), time = GetDlgItem(dialog, kCountdownTimeId);
    shownDate = PickerValue(date);
    shownTime = PickerValue(time);
    GetClientRect(dialog, &client);
    exStyle = GetWindowLongPtrA(dialog, GWL_EXSTYLE);
    labels = HasChildText(dialog, "Date:") && HasChildText(dialog, "Time") && HasChildText(dialog, "OK") &&
             HasChildText(dialog, "Cancel");
    SetPickerValue(date, At(2027, 1, 2, 0, 0, 0));
    SetPickerValue(time, At(2026, 12, 8, 5, 6, 7));
    Press(dialog, IDOK);
  });
  const auto result = RunCountdownDialog(nullptr, At(2026, 12, 8, 10, 20, 30));
  EXPECT_EQ(DecodeDateTime(shownDate).day, 8);
  EXPECT_EQ(DecodeDateTime(shownDate).month, 12);
  EXPECT_EQ(DecodeDateTime(shownTime).hour, 10);
  EXPECT_EQ(DecodeDateTime(shownTime).second, 30);
  EXPECT_EQ(client.right, 273);
  EXPECT_EQ(client.bottom, 136);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(labels);
  ASSERT_TRUE(result.has_value());
  EXPECT_NEAR(*result, At(2027, 1, 2, 5, 6, 7), 1e-9);
}

TEST(CountdownDialogWin32, OkWithoutChangesKeepsTheTarget) {
  DialogDriver driver("Countdown to ...", [](HWND dialog) { Press(dialog, IDOK); });
  const TDateTime target = At(2026, 3, 4, 23, 59, 59);
  const auto result = RunCountdownDialog(nullptr, target);
  ASSERT_TRUE(result.has_value());
  EXPECT_NEAR(*result, target, 1e-9);
}

TEST(CountdownDialogWin32, CancelReturnsNothing) {
  DialogDriver driver("Countdown to ...", [](HWND dialog) { Press(dialog, IDCANCEL); });
  EXPECT_FALSE(RunCountdownDialog(nullptr, At(2026, 3, 4, 1, 2, 3)).has_value());
}
