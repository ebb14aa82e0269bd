// The real winmm path under Wine, which plays on the null sound device that the tests' runner
// (tools/wine-run) gives every program: without one MCI cannot open an mp3 (error 277).
#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/window_sounds_win32.h"

namespace {

std::string DosPath(const std::string& unixPath) {
  std::string p = "Z:" + unixPath;
  for (char& c : p)
    if (c == '/') c = '\\';
  return p;
}

std::string DistFolder() { return DosPath(ORMEL_DIST_DIR) + "\\"; }

// Runs the message loop until done() or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > milliseconds) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
  return true;
}

struct SoundsUnderWine {
  int displays = 0;
  std::vector<std::string> errors;
  WindowSounds window;
  explicit SoundsUnderWine(const std::string& folder)
      : window(GetModuleHandleA(nullptr), [this] { ++displays; },
               [this](const std::string& m) { errors.push_back(m); }, folder) {}
};

TEST(MciDeviceWin32, MissingSoundsAreReportedOnceAndNothingBreaks) {
  SoundsUnderWine s(DistFolder() + "no such folder\\");
  for (int hour = 0; hour < 3; ++hour) s.window.Sounds().PlayChime();
  s.window.Sounds().StartBeep();
  EXPECT_TRUE(s.window.Sounds().BeepSounding());
  // Three repeats of tBeep through the real window timer.
  EXPECT_TRUE(PumpUntil([&] { return s.displays >= 4; }, 5000));
  s.window.Sounds().StartBeep();
  s.window.Sounds().StopBeep();
  ASSERT_EQ(s.errors.size(), 2u);
  EXPECT_NE(s.errors[0].find("chime.mp3: "), std::string::npos) << s.errors[0];
  EXPECT_NE(s.errors[1].find("beep.mp3: "), std::string::npos) << s.errors[1];
  EXPECT_FALSE(s.window.Sounds().MediaPlayer1().IsOpen());
}

// Counts the completion notices on the way to the player's own handler.
struct NoticeCounter {
  TMediaPlayer& player;
  int count = 0;
  explicit NoticeCounter(TMediaPlayer& p) : player(p) {
    player.OnNotify = [this, next = player.OnNotify] {
      ++count;
      next();
    };
  }
};

// The time from Play to the completion notice, or nothing within the limit.
std::optional<DWORD> NoticeAfter(TMediaPlayer& player, NoticeCounter& notices, const std::function<void()>& play,
                                 DWORD limitMs) {
  const int before = notices.count;
  const DWORD start = GetTickCount();
  play();
  // Playing runs on while the notice is awaited: MCI plays without waiting.
  EXPECT_EQ(player.Mode(), TMPModes::mpPlaying);
  if (!PumpUntil([&] { return notices.count > before; }, limitMs)) return std::nullopt;
  return GetTickCount() - start;
}

// On the null device Wine opens the mp3 through GStreamer, plays it in real time and posts
// MM_MCINOTIFY (successful) when it ends.
TEST(MciDeviceWin32, OurSoundsPlayAndTheSuccessfulNoticeArrives) {
  SoundsUnderWine s(DistFolder());
  TMediaPlayer& player = s.window.Sounds().MediaPlayer1();
  NoticeCounter notices(player);
  player.FileName = DistFolder() + "sound\\beep.mp3";
  ASSERT_NO_THROW(player.Open()) << "MCI error " << player.Error();
  EXPECT_NE(player.DeviceID(), 0);
  SetPlayerVolume(player, 200);
  // The beep lasts 0.25 s. 64-bit Wine's null device ends it up to 60 ms early; a notice
  // that only means "played" (not "failed at once") still comes well after 150 ms.
  const auto beep = NoticeAfter(player, notices, [&] { player.Play(); }, 5000);
  ASSERT_TRUE(beep) << "no completion notice for the beep";
  std::printf("beep notice after %lu ms\n", static_cast<unsigned long>(*beep));
  EXPECT_GE(*beep, 150u);
  EXPECT_EQ(player.NotifyValue(), TMPNotifyValues::nvSuccessful);
  EXPECT_FALSE(player.IsOpen());  // the handler closed the finished sound

  // The hourly chime end to end (2.2 s): plays once, its notice closes it.
  const auto chime = NoticeAfter(player, notices, [&] { s.window.Sounds().PlayChime(); }, 8000);
  ASSERT_TRUE(chime) << "no completion notice for the chime";
  std::printf("chime notice after %lu ms\n", static_cast<unsigned long>(*chime));
  EXPECT_GE(*chime, 2000u);
  EXPECT_EQ(player.NotifyValue(), TMPNotifyValues::nvSuccessful);
  EXPECT_FALSE(player.IsOpen());

  // The alarm beep plays again from its start each second, and the device stays open
  // between the repeats. Wine reads position 0 at the end, so only the successful notice
  // tells the player to rewind.
  const int before = notices.count;
  int playingSpells = 0;
  bool wasPlaying = false;
  s.window.Sounds().StartBeep();
  PumpUntil(
      [&] {
        const bool playing = player.Mode() == TMPModes::mpPlaying;
        if (playing && !wasPlaying) ++playingSpells;
        wasPlaying = playing;
        return false;
      },
      3300);
  std::printf("beep played %d times, %d notices in 3.3 s\n", playingSpells, notices.count - before);
  EXPECT_GE(playingSpells, 3);
  EXPECT_GE(notices.count - before, 3);
  EXPECT_TRUE(player.IsOpen());
  s.window.Sounds().StopBeep();
  EXPECT_TRUE(s.errors.empty());
}

}  // namespace
