#include "ui/tooltip_manager.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// A tooltip window that records every call, with the tools it holds by id.
struct RecordingTooltipWindow : TooltipWindow {
  bool exists = false;
  bool creatable = true;
  uint32_t refusedId = 0;  // AddTool refuses this id
  bool balloon = false;
  std::map<uint32_t, ToolRegistration> tools;
  std::vector<std::string> log;

  bool Exists() const override { return exists; }
  bool Create(bool b) override {
    log.push_back(b ? "create balloon" : "create");
    exists = creatable;
    balloon = b;
    return exists;
  }
  void Destroy() override {
    log.push_back("destroy");
    exists = false;
    tools.clear();
  }
  bool AddTool(const ToolRegistration& t) override {
    log.push_back("add " + std::to_string(t.id) + " " + t.text);
    if (t.id == refusedId) return false;
    tools.emplace(t.id, t);  // like the control: a second add with the same id does not replace
    return true;
  }
  void RemoveTool(uint32_t id) override {
    log.push_back("remove " + std::to_string(id));
    tools.erase(id);
  }
  void SetDelay(TooltipDelay which, int ms) override {
    log.push_back("delay " + std::to_string(static_cast<int>(which)) + " " + std::to_string(ms));
  }
  void ReportAddFailure() override { log.push_back("Can't add tooltip"); }
};

struct TooltipManagerTest : ::testing::Test {
  TooltipManagerTest() {
    manager.ToolTips.push_back({&left, "aaa", "Sync time"});
    manager.ToolTips.push_back({&right, "bbb", "See the time difference"});
  }
  TSknButton left{10, 67, 24, 16};
  TSknButton right{110, 67, 24, 16};
  RecordingTooltipWindow window;
  TToolTipManager manager{window};
};

TEST_F(TooltipManagerTest, LoadingCreatesTheWindowWithEveryToolUnderItsOwnId) {
  manager.Recreate();
  EXPECT_TRUE(window.log.empty()) << "nothing happens while the component is still loading";
  manager.Loaded();
  EXPECT_EQ(window.log, (std::vector<std::string>{"create balloon", "add 1 Sync time",
                                                  "add 2 See the time difference"}));
  ASSERT_EQ(window.tools.size(), 2u) << "a shared id would have let one button's tool hide the other's";
  EXPECT_EQ(window.tools.at(1).rect, (ToolRect{10, 67, 34, 83}));
  EXPECT_EQ(window.tools.at(2).rect, (ToolRect{110, 67, 134, 83}));
  EXPECT_FALSE(window.tools.at(1).centerTip);
}

TEST_F(TooltipManagerTest, RecreateCapturesTheButtonsWhereTheSkinMovedThem) {
  manager.Loaded();
  left.left = 40;
  left.top = 150;
  left.width = 30;
  right.height = 20;
  window.log.clear();
  manager.Recreate();
  EXPECT_EQ(window.log.front(), "destroy");
  EXPECT_EQ(window.tools.at(1).rect, (ToolRect{40, 150, 70, 166}));
  EXPECT_EQ(window.tools.at(2).rect, (ToolRect{110, 67, 134, 87}));
}

TEST_F(TooltipManagerTest, UpdateReplacesTheRegistrationWithTheCurrentText) {
  manager.Loaded();
  window.log.clear();
  manager.ToolTips[0].Description = "";  // an empty text still keeps its tool
  manager.Update(0);
  manager.ToolTips[1].Description = "Reset";
  manager.Update(1);
  EXPECT_EQ(window.log, (std::vector<std::string>{"remove 1", "add 1 ", "remove 2", "add 2 Reset"}));
  ASSERT_EQ(window.tools.size(), 2u);
  EXPECT_EQ(window.tools.at(1).text, "");
  EXPECT_EQ(window.tools.at(2).text, "Reset");
}

TEST_F(TooltipManagerTest, ItemsWithoutAControlOrWithoutAWindowAddNothing) {
  manager.ToolTips.push_back({nullptr, "ccc", "none"});
  manager.Update(0);  // no window yet
  manager.Loaded();
  EXPECT_EQ(window.tools.size(), 2u);
  window.log.clear();
  manager.Update(2);
  manager.Update(7);
  EXPECT_TRUE(window.log.empty());
}

TEST_F(TooltipManagerTest, AFailedCreationMeansNoTooltipsAndNoError) {
  window.creatable = false;
  manager.Loaded();
  EXPECT_EQ(window.log, std::vector<std::string>{"create balloon"});
  manager.Update(0);
  EXPECT_EQ(window.log.size(), 1u);
}

TEST_F(TooltipManagerTest, ARefusedToolIsReportedAndTheOthersAreStillAdded) {
  window.refusedId = 1;
  manager.Loaded();
  EXPECT_EQ(window.log, (std::vector<std::string>{"create balloon", "add 1 Sync time", "Can't add tooltip",
                                                  "add 2 See the time difference"}));
  EXPECT_EQ(window.tools.count(2), 1u);
}

TEST_F(TooltipManagerTest, StyleChangesRecreateTheWindowWithAllTools) {
  manager.SetBalloonTip(false);  // as the main window sets it, before loading ends
  EXPECT_TRUE(window.log.empty());
  manager.Loaded();
  EXPECT_FALSE(window.balloon);
  window.log.clear();
  manager.SetBalloonTip(false);
  manager.SetCenterTip(false);
  EXPECT_TRUE(window.log.empty()) << "an unchanged value recreates nothing";
  manager.SetCenterTip(true);
  EXPECT_EQ(window.log, (std::vector<std::string>{"destroy", "create", "add 1 Sync time",
                                                  "add 2 See the time difference"}));
  EXPECT_TRUE(window.tools.at(1).centerTip);
  EXPECT_TRUE(window.tools.at(2).centerTip);
  window.log.clear();
  manager.SetBalloonTip(true);
  EXPECT_TRUE(window.balloon);
  EXPECT_EQ(window.tools.size(), 2u);
}

TEST_F(TooltipManagerTest, DisablingDestroysTheWindowAndEnablingBringsItBack) {
  manager.Loaded();
  manager.SetEnabled(false);
  EXPECT_FALSE(window.exists);
  window.log.clear();
  manager.Recreate();
  manager.SetCenterTip(true);
  EXPECT_TRUE(window.log.empty()) << "no window while disabled";
  manager.SetEnabled(true);
  EXPECT_TRUE(window.exists);
  EXPECT_EQ(window.tools.size(), 2u);
}

TEST_F(TooltipManagerTest, PausesReachOnlyAnExistingWindow) {
  manager.SetShowPause(700);
  EXPECT_TRUE(window.log.empty());
  EXPECT_EQ(manager.ShowPause(), 700);
  manager.Loaded();
  window.log.clear();
  manager.SetShowPause(300);
  manager.SetHidePause(9000);
  manager.SetReshowPause(50);
  EXPECT_EQ(window.log, (std::vector<std::string>{"delay 0 300", "delay 1 9000", "delay 2 50"}));
  EXPECT_EQ(manager.HidePause(), 9000);
  EXPECT_EQ(manager.ReshowPause(), 50);
}

}  // namespace
