#include "app/tray_icon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(TrayMouse, ReleasesRaiseClicksOnlyAfterPresses) {
  TrayMouseRouter r;
  EXPECT_FALSE(r.Handle(TrayMouse::LeftUp, false).click);  // a release without a press
  r.Handle(TrayMouse::LeftDown, false);
  TrayAction a = r.Handle(TrayMouse::LeftUp, false);
  EXPECT_TRUE(a.click);
  EXPECT_EQ(a.button, TrayButton::Left);
  r.Handle(TrayMouse::RightDown, false);
  a = r.Handle(TrayMouse::RightUp, false);
  EXPECT_TRUE(a.click);
  EXPECT_EQ(a.button, TrayButton::Right);
}

TEST(TrayMouse, DoubleClickTogglesOnceThenRunsTheDefaultItem) {
  TrayMouseRouter r;
  int clicks = 0, defaults = 0;
  for (TrayMouse e : {TrayMouse::LeftDown, TrayMouse::LeftUp, TrayMouse::LeftDoubleClick, TrayMouse::LeftUp}) {
    const TrayAction a = r.Handle(e, false);
    clicks += a.click;
    defaults += a.doubleClick;
  }
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(defaults, 1);
}

TEST(TrayMouse, MiddleButtonAndMovesDoNothing) {
  TrayMouseRouter r;
  for (TrayMouse e : {TrayMouse::Move, TrayMouse::MiddleDown, TrayMouse::MiddleUp, TrayMouse::MiddleDoubleClick,
                      TrayMouse::RightDoubleClick}) {
    const TrayAction a = r.Handle(e, false);
    EXPECT_FALSE(a.click);
    EXPECT_FALSE(a.doubleClick);
  }
}

TEST(TrayMouse, WhileADialogHoldsTheClockEveryClickBringsTheDialogForward) {
  struct Case {
    const char* what;
    std::vector<TrayMouse> events;
    int raises;
  };
  const std::vector<Case> cases = {
      {"left click", {TrayMouse::LeftDown, TrayMouse::LeftUp}, 1},
      {"right click", {TrayMouse::RightDown, TrayMouse::RightUp}, 1},
      {"double click", {TrayMouse::LeftDown, TrayMouse::LeftUp, TrayMouse::LeftDoubleClick, TrayMouse::LeftUp}, 2},
      {"moves and the middle button", {TrayMouse::Move, TrayMouse::MiddleDown, TrayMouse::MiddleUp}, 0},
  };
  for (const Case& c : cases) {
    TrayMouseRouter r;
    int raises = 0;
    for (TrayMouse e : c.events) {
      const TrayAction a = r.Handle(e, true);
      EXPECT_FALSE(a.click) << c.what;
      EXPECT_FALSE(a.doubleClick) << c.what;
      raises += a.raiseDialog;
    }
    EXPECT_EQ(raises, c.raises) << c.what;
  }
}

TEST(TrayMouse, ClicksRunCommandsAgainOnceTheDialogHasClosed) {
  TrayMouseRouter r;
  r.Handle(TrayMouse::RightDown, true);
  EXPECT_TRUE(r.Handle(TrayMouse::RightUp, true).raiseDialog);
  r.Handle(TrayMouse::RightDown, false);
  const TrayAction a = r.Handle(TrayMouse::RightUp, false);
  EXPECT_TRUE(a.click);
  EXPECT_EQ(a.button, TrayButton::Right);
  EXPECT_FALSE(a.raiseDialog);
}

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
