#include "ui/clock_sounds.h"

#include <utility>

#include "base/ormel_error.h"

namespace {
constexpr uint32_t kChimeVolume = 1000;
constexpr uint32_t kBeepVolume = 200;
const char kChimeFile[] = "sound\\chime.mp3";
const char kBeepFile[] = "sound\\beep.mp3";
}  // namespace

ClockSounds::ClockSounds(MciDevice& device, BeepTimer& beepTimer, SoundHost& host, std::string programFolder)
    : player_(device), beepTimer_(beepTimer), host_(host), programFolder_(std::move(programFolder)) {
  player_.OnNotify = [this] { MediaPlayer1Notify(); };
}

std::string ClockSounds::ChimeFile() {
  if (!skinChime_.empty()) {
    const std::string own = programFolder_ + skinChime_;
    if (host_.FileExists(own)) return own;
  }
  return programFolder_ + kChimeFile;
}

void ClockSounds::OpenAndPlay(const std::string& file, uint32_t volume) {
  player_.FileName = file;
  try {
    player_.Open();
  } catch (const OrmelError& e) {
    // A missing or unplayable file would otherwise fail again every hour.
    if (reported_.insert(file).second) host_.ReportSoundError(file + ": " + e.what());
    return;
  }
  SetPlayerVolume(player_, volume);
  player_.Play();
  player_.SetNotify(true);
}

void ClockSounds::PlayChime() { OpenAndPlay(ChimeFile(), kChimeVolume); }

void ClockSounds::StartBeep() {
  const std::string file = programFolder_ + kBeepFile;
  player_.FileName = file;
  tBeepTimer();
  SetBeepEnabled(true);
  OpenAndPlay(file, kBeepVolume);
}

void ClockSounds::tBeepTimer() {
  if (player_.Mode() == TMPModes::mpStopped) player_.Play();
  host_.FaceChanged();
}

void ClockSounds::MediaPlayer1Notify() {
  const std::optional<TMPModes> mode = player_.Mode();
  if ((mode == TMPModes::mpStopped || mode == TMPModes::mpPlaying) && !beepEnabled_) player_.Close();
}

void ClockSounds::StopBeep() {
  if (beepEnabled_) SetBeepEnabled(false);
}

void ClockSounds::SetBeepEnabled(bool enabled) {
  beepEnabled_ = enabled;
  beepTimer_.SetEnabled(enabled);
}
