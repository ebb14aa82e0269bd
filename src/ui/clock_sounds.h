#pragma once
#include <functional>
#include <set>
#include <string>

#include "ui/media_player.h"

// tBeep: the 1000 ms repeat timer of the main window.
class BeepTimer {
 public:
  virtual ~BeepTimer() = default;
  virtual void SetEnabled(bool enabled) = 0;
};

// What the sounds need from the main window.
class SoundHost {
 public:
  virtual ~SoundHost() = default;
  virtual void FaceChanged() = 0;
  // A sound that cannot be played; called once per file and run.
  virtual void ReportSoundError(const std::string& message) = 0;
  virtual bool FileExists(const std::string& path) = 0;
};

// The hourly chime and the repeating alarm beep, played through MediaPlayer1.
class ClockSounds {
 public:
  // programFolder ends with its backslash.
  ClockSounds(MciDevice& device, BeepTimer& beepTimer, SoundHost& host, std::string programFolder);

  // The skin's chime element, relative to the program folder; empty when the skin has none.
  void SetSkinChime(const std::string& relativePath) { skinChime_ = relativePath; }
  std::string ChimeFile();

  void PlayChime();
  void StartBeep();
  void tBeepTimer();
  void MediaPlayer1Notify();
  // Any mouse button pressed on the clock ends the repetition.
  void StopBeep();
  // tBeep's enabled state: the beep is sounding (the time label blinks).
  bool BeepSounding() const { return beepEnabled_; }

  TMediaPlayer& MediaPlayer1() { return player_; }

 private:
  // Open, volume, play, notify; a file that cannot be opened is reported once and skipped.
  void OpenAndPlay(const std::string& file, uint32_t volume);
  void SetBeepEnabled(bool enabled);

  TMediaPlayer player_;
  BeepTimer& beepTimer_;
  SoundHost& host_;
  std::string programFolder_;
  std::string skinChime_;
  bool beepEnabled_ = false;
  std::set<std::string> reported_;
};
