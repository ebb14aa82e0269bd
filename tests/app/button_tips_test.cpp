#include "app/button_tips.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// Keeps the texts the tools were last registered with.
struct TextsWindow : TooltipWindow {
  bool exists = false;
  std::map<uint32_t, std::string> texts;
  bool Exists() const override { return exists; }
  bool Create(bool) override { return exists = true; }
  void Destroy() override { exists = false; }
  bool AddTool(const ToolRegistration& t) override { return texts.emplace(t.id, t.text).second; }
  void RemoveTool(uint32_t id) override { texts.erase(id); }
  void SetDelay(TooltipDelay, int) override {}
  void ReportAddFailure() override { ADD_FAILURE() << "a tool was refused"; }
};

TEST(ButtonTips, EachModeShowsItsTextsOnTheTools) {
  struct Case {
    ClockType mode;
    const char* left;
    const char* right;
  };
  const Case cases[] = {
      {ctClock, "Sync time", "See the time difference"},
      {ctCountdown, "Countdown to...", "Reset"},
      {ctUpTime, "", ""},
      {ctStopwatch, "Pause/Resume", "Reset"},
      {ctTimer, "Pause/Resume", "Set up Timer"},
      {ctAtomic, "Sync time", "See the time difference"},
  };
  const TSknButton left(10, 67, 24, 16), right(110, 67, 24, 16);
  TextsWindow window;
  TToolTipManager manager(window);
  AddButtonTools(manager, left, right);
  manager.SetBalloonTip(false);
  manager.Loaded();
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    ApplyButtonTips(manager, c.mode);
    EXPECT_EQ(manager.ToolTips[0].Description, c.left);
    EXPECT_EQ(manager.ToolTips[1].Description, c.right);
    ASSERT_EQ(window.texts.size(), 2u);
    EXPECT_EQ(window.texts.at(TToolTipManager::ToolId(0)), c.left);
    EXPECT_EQ(window.texts.at(TToolTipManager::ToolId(1)), c.right);
    EXPECT_EQ(manager.ToolTips[0].Title, "aaa") << "titles stay as the window defines them";
    EXPECT_EQ(manager.ToolTips[1].Title, "bbb");
  }
}

}  // namespace
