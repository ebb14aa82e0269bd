#include "app/tray_registration.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A shell that refuses the first `refusals` adds and logs every call.
struct RecordingShell : TrayShell {
  int refusals = 0;
  std::vector<std::string> calls;
  bool Notify(TrayShellCall call) override {
    switch (call) {
      case TrayShellCall::Add:
        calls.push_back("add");
        return refusals-- <= 0;
      case TrayShellCall::Modify: calls.push_back("modify"); return true;
      case TrayShellCall::Delete: calls.push_back("delete"); return true;
    }
    return false;
  }
};

using Calls = std::vector<std::string>;

TEST(TrayRegistration, ShowClearsAStaleIconFirstAndAddsOnlyAnIcon) {
  RecordingShell shell;
  TrayRegistration tray(shell);
  tray.Show(false);
  EXPECT_EQ(shell.calls, Calls{"delete"}) << "an empty icon is never added";
  EXPECT_FALSE(tray.InTray());
  tray.Show(true);
  EXPECT_EQ(shell.calls, (Calls{"delete", "delete", "add"}));
  EXPECT_TRUE(tray.InTray());
}

TEST(TrayRegistration, ARefusedAddIsTriedAgainByTheNextChange) {
  RecordingShell shell;
  shell.refusals = 1;
  TrayRegistration tray(shell);
  tray.Show(true);
  EXPECT_FALSE(tray.InTray());
  shell.calls.clear();
  tray.Changed(true);
  EXPECT_EQ(shell.calls, (Calls{"delete", "add"}));
  EXPECT_TRUE(tray.InTray());
}

TEST(TrayRegistration, ChangesModifyTheIconInTheTrayOrTakeAnEmptyOneOut) {
  RecordingShell shell;
  TrayRegistration tray(shell);
  tray.Show(true);
  shell.calls.clear();
  tray.Changed(true);
  EXPECT_EQ(shell.calls, Calls{"modify"});
  tray.Changed(false);
  EXPECT_EQ(shell.calls, (Calls{"modify", "delete"}));
  EXPECT_FALSE(tray.InTray());
  tray.Changed(true);
  EXPECT_TRUE(tray.InTray()) << "an icon again is added again";
}

TEST(TrayRegistration, RemoveTakesTheIconOut) {
  RecordingShell shell;
  TrayRegistration tray(shell);
  tray.Show(true);
  tray.Remove();
  EXPECT_FALSE(tray.InTray());
  EXPECT_EQ(shell.calls.back(), "delete");
}

}  // namespace
