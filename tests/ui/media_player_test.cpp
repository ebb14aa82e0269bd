#include "ui/media_player.h"

#include <gtest/gtest.h>

#include "base/ormel_error.h"
#include "ui/recording_mci_device.h"

namespace {

using Action = std::pair<uint32_t, uint32_t>;

struct PlayerTest : ::testing::Test {
  RecordingMciDevice device;
  TMediaPlayer player{device};

  void OpenFile(const std::string& file = "C:\\Ormel\\sound\\beep.mp3") {
    player.FileName = file;
    player.Open();
    device.sent.clear();
  }
};

TEST_F(PlayerTest, OpenSendsTheElementAndTakesTheNotifyOverrideOnce) {
  player.FileName = "C:\\Ormel\\sound\\chime.mp3";
  player.SetNotify(true);
  player.Open();
  ASSERT_EQ(device.sent.size(), 1u);
  EXPECT_EQ(device.sent[0].device, 0);
  EXPECT_EQ(device.sent[0].element, "C:\\Ormel\\sound\\chime.mp3");
  EXPECT_EQ(device.sent[0].flags, mci::kOpenElement | mci::kWait | mci::kNotify);
  EXPECT_TRUE(player.IsOpen());
  EXPECT_EQ(player.DeviceID(), 1);

  // Opening again closes the first device; the override was used up.
  player.Open();
  EXPECT_EQ(device.Actions(), (std::vector<Action>{{mci::kOpen, mci::kOpenElement | mci::kWait | mci::kNotify},
                                                   {mci::kClose, mci::kWait},
                                                   {mci::kOpen, mci::kOpenElement | mci::kWait}}));
  EXPECT_EQ(player.DeviceID(), 2);
}

TEST_F(PlayerTest, OpenFailureRaisesThePlatformTextAndLeavesThePlayerClosed) {
  struct Case {
    MciError code;
    const char* message;
  };
  for (const Case& c : {Case{RecordingMciDevice::kFileNotFound, "The specified file was not found."},
                        Case{277, "Unknown error code"}}) {
    SCOPED_TRACE(c.code);
    device.openErrors["missing.mp3"] = c.code;
    player.FileName = "missing.mp3";
    try {
      player.Open();
      ADD_FAILURE() << "no error raised";
    } catch (const OrmelError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(player.DeviceID(), 0);
    EXPECT_EQ(player.Error(), c.code);
  }
}

TEST_F(PlayerTest, CloseSendsNothingWithoutADeviceAndTakesTheNotifyOverride) {
  player.Close();
  EXPECT_TRUE(device.sent.empty());

  OpenFile();
  player.SetNotify(true);
  player.Close();
  EXPECT_EQ(device.Actions(), (std::vector<Action>{{mci::kClose, mci::kWait | mci::kNotify}}));
  EXPECT_FALSE(player.IsOpen());
  EXPECT_EQ(player.DeviceID(), 0);
}

TEST_F(PlayerTest, PlayWithoutADeviceRaises) {
  try {
    player.Play();
    ADD_FAILURE() << "no error raised";
  } catch (const OrmelError& e) {
    EXPECT_STREQ(e.what(), "No MCI device open");
  }
  EXPECT_TRUE(device.sent.empty());
}

TEST_F(PlayerTest, PlayRewindsOnlyAtTheEndAndNotifiesUnlessTold) {
  struct Case {
    const char* name;
    bool autoRewind;
    uint32_t position;
    std::optional<bool> notify, wait;
    std::vector<Action> actions;
  };
  const uint32_t seek = mci::kSeekToStart | mci::kWait;
  const Case cases[] = {
      {"at the end", true, 2000, {}, {}, {{mci::kSeek, seek}, {mci::kPlay, mci::kNotify}}},
      {"midway", true, 700, {}, {}, {{mci::kPlay, mci::kNotify}}},
      {"no auto-rewind", false, 2000, {}, {}, {{mci::kPlay, mci::kNotify}}},
      {"notify off", true, 0, false, {}, {{mci::kPlay, 0}}},
      {"notify on", true, 0, true, {}, {{mci::kPlay, mci::kNotify}}},
      {"wait on", true, 0, {}, true, {{mci::kPlay, mci::kNotify | mci::kWait}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OpenFile();
    player.AutoRewind = c.autoRewind;
    device.position = c.position;
    if (c.notify) player.SetNotify(*c.notify);
    if (c.wait) player.SetWait(*c.wait);
    player.Play();
    EXPECT_EQ(device.Actions(), c.actions);
    // The overrides hold for one command only.
    device.sent.clear();
    device.position = 0;
    player.Play();
    EXPECT_EQ(device.Actions(), (std::vector<Action>{{mci::kPlay, mci::kNotify}}));
  }
}

// Wine reads position 0 at the end of a finished play; its successful notice says the
// end all the same.
TEST_F(PlayerTest, PlayAfterASuccessfulNoticeRewindsWhateverThePositionReads) {
  const std::vector<Action> rewound{{mci::kSeek, mci::kSeekToStart | mci::kWait}, {mci::kPlay, mci::kNotify}};
  const std::vector<Action> plain{{mci::kPlay, mci::kNotify}};
  struct Case {
    const char* name;
    uint32_t noticeFlag;
    bool reopen;
    std::vector<Action> actions;
  };
  for (const Case& c : {Case{"played to the end", mci::kNotifySuccessful, false, rewound},
                        Case{"cut off by another play", mci::kNotifySuperseded, false, plain},
                        Case{"aborted", mci::kNotifyAborted, false, plain},
                        Case{"file opened anew", mci::kNotifySuccessful, true, plain}}) {
    SCOPED_TRACE(c.name);
    OpenFile();
    device.position = 0;
    player.Play();
    player.HandleNotify(c.noticeFlag);
    if (c.reopen) OpenFile();
    device.sent.clear();
    player.Play();
    EXPECT_EQ(device.Actions(), c.actions);
    // Only the next play after the notice is rewound.
    device.sent.clear();
    player.Play();
    EXPECT_EQ(device.Actions(), plain);
  }
}

TEST_F(PlayerTest, ModeIsTheMciModeLess524AndEmptyWhenTheQueryFails) {
  EXPECT_EQ(player.Mode(), std::nullopt);  // no device open
  OpenFile();
  const std::pair<uint32_t, std::optional<TMPModes>> cases[] = {
      {524, TMPModes::mpNotReady}, {525, TMPModes::mpStopped}, {526, TMPModes::mpPlaying},
      {527, TMPModes::mpRecording}, {528, TMPModes::mpSeeking}, {529, TMPModes::mpPaused},
      {530, TMPModes::mpOpen},     {531, std::nullopt},       {0, std::nullopt}};
  for (const auto& [value, mode] : cases) {
    SCOPED_TRACE(value);
    device.mode = value;
    EXPECT_EQ(player.Mode(), mode);
  }
  EXPECT_EQ(device.sent.back().flags, mci::kStatusItem | mci::kWait);
  EXPECT_EQ(device.sent.back().item, mci::kStatusMode);
}

TEST_F(PlayerTest, NotifyRecordsTheValueBeforeTheHandlerRuns) {
  std::vector<TMPNotifyValues> seen;
  player.OnNotify = [&] { seen.push_back(player.NotifyValue()); };
  for (uint32_t flag : {mci::kNotifyAborted, mci::kNotifySuperseded, mci::kNotifyFailure, mci::kNotifySuccessful})
    player.HandleNotify(flag);
  EXPECT_EQ(seen, (std::vector<TMPNotifyValues>{TMPNotifyValues::nvAborted, TMPNotifyValues::nvSuperseded,
                                                TMPNotifyValues::nvFailure, TMPNotifyValues::nvSuccessful}));
}

TEST_F(PlayerTest, SetPlayerVolumeSendsTheSetAudioRecord) {
  OpenFile();
  EXPECT_EQ(SetPlayerVolume(player, 200), 0u);
  ASSERT_EQ(device.sent.size(), 1u);
  const MciCommand& c = device.sent[0];
  EXPECT_EQ(c.device, 1);
  EXPECT_EQ(c.message, 0x0873u);
  EXPECT_EQ(c.flags, 0x01800000u);
  EXPECT_EQ(c.item, 0x4002u);
  EXPECT_EQ(c.value, 200u);
  EXPECT_EQ(c.element, "");
}

TEST(PlayerLifetime, DestroyingThePlayerClosesItsDevice) {
  RecordingMciDevice device;
  {
    TMediaPlayer player(device);
    player.FileName = "beep.mp3";
    player.Open();
  }
  EXPECT_EQ(device.Actions().back(), (Action{mci::kClose, mci::kWait}));
  EXPECT_EQ(device.OpenDevice(), 0);
}

}  // namespace
