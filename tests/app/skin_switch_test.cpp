#include "app/skin_switch.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/ormel_error.h"
#include "support/fake_clock.h"

namespace {

class RecordingSkinHost : public SkinHost {
 public:
  void LoadSkin(const std::string& name) override {
    calls.push_back("load " + name);
    if (broken.count(name)) throw OrmelError("The skin \"" + name + "\" cannot be shown.");
  }
  void FitWindowToSkin() override { calls.push_back("fit"); }
  void ShowError(const std::string& message) override { calls.push_back("error: " + message); }
  void FaceChanged() override { calls.push_back("update"); }

  std::set<std::string> broken;
  std::vector<std::string> calls;
};

struct SkinSwitchFixture : ::testing::Test {
  FakeClock clock;
  ClockState state{clock};
  RecordingSkinHost host;
  const std::vector<std::string> installed{"slate", "royale", "blue"};
};

}  // namespace

TEST_F(SkinSwitchFixture, AChosenSkinIsShownAndDrawnWhole) {
  state.FSkinName = "royale";
  state.FDrawKey = 1234;
  imnSkinsClick(state, installed, 2, host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"load blue", "fit", "update"}));
  EXPECT_EQ(state.FSkinName, "blue");
  EXPECT_EQ(state.FDrawKey, -1);
}

TEST_F(SkinSwitchFixture, ARefusedSkinLeavesTheFaceAsItWas) {
  state.FSkinName = "royale";
  state.FDrawKey = 1234;
  host.broken = {"slate"};
  EXPECT_THROW(imnSkinsClick(state, installed, 0, host), OrmelError);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"load slate"}));
  EXPECT_EQ(state.FSkinName, "royale") << "the menu marks the skin still shown";
  EXPECT_EQ(state.FDrawKey, 1234);

  host.calls.clear();
  imnSkinsClick(state, installed, installed.size(), host);
  EXPECT_TRUE(host.calls.empty()) << "an item past the folders does nothing";
}

TEST_F(SkinSwitchFixture, TheStartUpSaysWhyBeforeTheWindowFitsTheFallback) {
  state.FSkinName = "slate";
  host.broken = {"slate"};
  ShowStartupSkin(state, installed, host);
  ASSERT_EQ(host.calls.size(), 4u);
  EXPECT_EQ(host.calls[0], "load slate");
  EXPECT_EQ(host.calls[1], "load royale");
  EXPECT_NE(host.calls[2].find("error: The skin \"slate\" cannot be shown."), std::string::npos);
  EXPECT_EQ(host.calls[3], "fit");
  EXPECT_EQ(state.FSkinName, "royale");

  host.calls.clear();
  host.broken.clear();
  ShowStartupSkin(state, installed, host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"load royale", "fit"})) << "no message when the saved skin loads";
}
