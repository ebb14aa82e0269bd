#include "ui/clock_sounds.h"

#include <gtest/gtest.h>

#include <set>

#include "ui/recording_mci_device.h"

namespace {

using Action = std::pair<uint32_t, uint32_t>;

constexpr uint32_t kOpenFlags = mci::kOpenElement | mci::kWait;
constexpr uint32_t kVolumeFlags = mci::kSetAudioItem | mci::kSetAudioValue;
constexpr uint32_t kStopped = mci::kModeNotReady + 1;
constexpr uint32_t kPlaying = mci::kModeNotReady + 2;
const char kFolder[] = "D:\\Apps\\Ormel\\";
const std::string kChime = std::string(kFolder) + "sound\\chime.mp3";
const std::string kBeep = std::string(kFolder) + "sound\\beep.mp3";

struct RecordingTimer : BeepTimer {
  std::vector<bool> calls;
  void SetEnabled(bool enabled) override { calls.push_back(enabled); }
};

struct RecordingHost : SoundHost {
  int displays = 0;
  std::vector<std::string> errors;
  std::set<std::string> files;
  void FaceChanged() override { ++displays; }
  void ReportSoundError(const std::string& message) override { errors.push_back(message); }
  bool FileExists(const std::string& path) override { return files.count(path) > 0; }
};

struct SoundsTest : ::testing::Test {
  RecordingMciDevice device;
  RecordingTimer timer;
  RecordingHost host;
  ClockSounds sounds{device, timer, host, kFolder};

  // The completion notice MCI posts when a sound ends.
  void Finish(uint32_t mode = kStopped) {
    device.mode = mode;
    sounds.MediaPlayer1().HandleNotify(mci::kNotifySuccessful);
  }
  std::vector<std::string> OpenedFiles() const {
    std::vector<std::string> out;
    for (const MciCommand& c : device.sent)
      if (c.message == mci::kOpen) out.push_back(c.element);
    return out;
  }
  std::vector<uint32_t> Volumes() const {
    std::vector<uint32_t> out;
    for (const MciCommand& c : device.sent)
      if (c.message == mci::kSetAudio) out.push_back(c.value);
    return out;
  }
  int Plays() const {
    int n = 0;
    for (const MciCommand& c : device.sent) n += c.message == mci::kPlay;
    return n;
  }
};

TEST_F(SoundsTest, ChimePlaysOnceAndItsNoticeClosesTheDeviceWithANoticeOfItsOwn) {
  sounds.PlayChime();
  EXPECT_EQ(device.Actions(), (std::vector<Action>{{mci::kOpen, kOpenFlags},
                                                   {mci::kSetAudio, kVolumeFlags},
                                                   {mci::kPlay, mci::kNotify}}));
  EXPECT_EQ(OpenedFiles(), std::vector<std::string>{kChime});
  EXPECT_EQ(Volumes(), std::vector<uint32_t>{1000});

  Finish();
  EXPECT_EQ(device.Actions().back(), (Action{mci::kClose, mci::kWait | mci::kNotify}));
  EXPECT_EQ(device.OpenDevice(), 0);

  // The close's own notice finds no device and does nothing.
  const size_t before = device.Actions().size();
  Finish();
  EXPECT_EQ(device.Actions().size(), before);
  EXPECT_TRUE(timer.calls.empty());
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(SoundsTest, SkinChimeIsPlayedOnlyWhenItsFileExists) {
  const std::string own = std::string(kFolder) + "face\\royale\\bell.mp3";
  struct Case {
    const char* name;
    std::string element;
    bool exists;
    std::string played;
  };
  for (const Case& c : {Case{"skin file present", "face\\royale\\bell.mp3", true, own},
                        Case{"skin file missing", "face\\royale\\bell.mp3", false, kChime},
                        Case{"skin names none", "", false, kChime}}) {
    SCOPED_TRACE(c.name);
    host.files.clear();
    if (c.exists) host.files.insert(own);
    device.sent.clear();
    sounds.SetSkinChime(c.element);
    sounds.PlayChime();
    EXPECT_EQ(OpenedFiles(), std::vector<std::string>{c.played});
  }
}

TEST_F(SoundsTest, BeepRepeatsEverySecondWhileTheTimerRuns) {
  sounds.StartBeep();
  // The immediate repeat step finds no device: it plays nothing and refreshes the display.
  EXPECT_EQ(host.displays, 1);
  EXPECT_EQ(timer.calls, std::vector<bool>{true});
  EXPECT_TRUE(sounds.BeepSounding());
  EXPECT_EQ(OpenedFiles(), std::vector<std::string>{kBeep});
  EXPECT_EQ(Volumes(), std::vector<uint32_t>{200});
  EXPECT_EQ(Plays(), 1);

  // Still playing: left alone, the notice keeps the device open.
  device.mode = kPlaying;
  sounds.tBeepTimer();
  EXPECT_EQ(Plays(), 1);
  Finish();
  EXPECT_NE(device.OpenDevice(), 0);

  // Played to its end: rewound and replayed.
  device.mode = kStopped;
  device.position = device.length;
  device.sent.clear();
  sounds.tBeepTimer();
  EXPECT_EQ(device.Actions(), (std::vector<Action>{{mci::kSeek, mci::kSeekToStart | mci::kWait},
                                                   {mci::kPlay, mci::kNotify}}));
  EXPECT_EQ(host.displays, 3);
}

TEST_F(SoundsTest, MousePressLetsTheBeepFinishAndItsNoticeCloses) {
  sounds.StartBeep();
  sounds.StopBeep();
  EXPECT_EQ(timer.calls, (std::vector<bool>{true, false}));
  EXPECT_FALSE(sounds.BeepSounding());
  EXPECT_NE(device.OpenDevice(), 0);  // the beep that plays runs to its end
  Finish();
  EXPECT_EQ(device.OpenDevice(), 0);

  sounds.StopBeep();  // a press with no beep changes nothing
  EXPECT_EQ(timer.calls.size(), 2u);
}

TEST_F(SoundsTest, NoticeWhilePlayingWithoutBeepClosesTheSound) {
  sounds.PlayChime();
  Finish(kPlaying);
  EXPECT_EQ(device.OpenDevice(), 0);
}

TEST_F(SoundsTest, ChimeDuringTheBeepReplacesItAndIsRepeated) {
  sounds.StartBeep();
  const uint16_t beepDevice = device.OpenDevice();
  sounds.PlayChime();
  EXPECT_NE(device.OpenDevice(), beepDevice);
  EXPECT_EQ(OpenedFiles(), (std::vector<std::string>{kBeep, kChime}));
  EXPECT_EQ(Volumes(), (std::vector<uint32_t>{200, 1000}));
  EXPECT_TRUE(sounds.BeepSounding());

  Finish();  // the repeat keeps the chime open...
  EXPECT_NE(device.OpenDevice(), 0);
  const int plays = Plays();
  sounds.tBeepTimer();  // ...and replays it
  EXPECT_EQ(Plays(), plays + 1);
  EXPECT_EQ(OpenedFiles().back(), kChime);
}

TEST_F(SoundsTest, BeepCutsOffAPlayingChime) {
  sounds.PlayChime();
  const uint16_t chimeDevice = device.OpenDevice();
  device.mode = kPlaying;
  sounds.StartBeep();
  bool closed = false;
  for (const MciCommand& c : device.sent) closed |= c.message == mci::kClose && c.device == chimeDevice;
  EXPECT_TRUE(closed);
  EXPECT_EQ(OpenedFiles().back(), kBeep);
}

TEST_F(SoundsTest, AMissingFileIsReportedOnceAndTheClockGoesOn) {
  device.openErrors[kChime] = RecordingMciDevice::kFileNotFound;
  device.openErrors[kBeep] = RecordingMciDevice::kFileNotFound;
  for (int hour = 0; hour < 5; ++hour) sounds.PlayChime();
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0], kChime + ": The specified file was not found.");

  sounds.StartBeep();
  for (int second = 0; second < 10; ++second) sounds.tBeepTimer();
  sounds.StartBeep();
  ASSERT_EQ(host.errors.size(), 2u);
  EXPECT_EQ(host.errors[1], kBeep + ": The specified file was not found.");
  // The display keeps blinking until a press, and nothing ever played.
  EXPECT_TRUE(sounds.BeepSounding());
  EXPECT_EQ(host.displays, 12);
  EXPECT_EQ(Plays(), 0);

  // The file appearing later is played as usual.
  device.openErrors.clear();
  sounds.PlayChime();
  EXPECT_EQ(Plays(), 1);
  EXPECT_EQ(host.errors.size(), 2u);
}

}  // namespace
