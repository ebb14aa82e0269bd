#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "ui/mci_device.h"

enum class TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };
enum class TMPNotifyValues { nvSuccessful, nvSuperseded, nvAborted, nvFailure };

// MediaPlayer1: a hidden player over one MCI device at a time.
class TMediaPlayer {
 public:
  explicit TMediaPlayer(MciDevice& device) : device_(device) {}
  ~TMediaPlayer();
  TMediaPlayer(const TMediaPlayer&) = delete;
  TMediaPlayer& operator=(const TMediaPlayer&) = delete;

  std::string FileName;
  bool AutoRewind = true;
  // Called after every completion notice has been recorded.
  std::function<void()> OnNotify;

  // Throws OrmelError with the platform's text when the file cannot be opened.
  void Open();
  void Close();
  // Throws OrmelError "No MCI device open"; other failures are only stored.
  void Play();
  // Empty when the status query fails (no device open, for one).
  std::optional<TMPModes> Mode();
  // One-shot choices for the next command that takes them.
  void SetNotify(bool value) { notify_ = value; }
  void SetWait(bool value) { wait_ = value; }

  // MM_MCINOTIFY: wParam is the notify flag.
  void HandleNotify(uint32_t flag);

  bool IsOpen() const { return open_; }
  uint16_t DeviceID() const { return deviceId_; }
  MciError Error() const { return error_; }
  TMPNotifyValues NotifyValue() const { return notifyValue_; }

 private:
  friend MciError SetPlayerVolume(TMediaPlayer& player, uint32_t volume);
  bool TakeOverride(std::optional<bool>& override, bool otherwise);
  std::optional<uint32_t> StatusOf(uint32_t item);
  MciReply Send(MciCommand command);

  MciDevice& device_;
  bool open_ = false;
  uint16_t deviceId_ = 0;
  MciError error_ = 0;
  std::optional<bool> notify_;
  std::optional<bool> wait_;
  TMPNotifyValues notifyValue_ = TMPNotifyValues::nvSuccessful;
  bool playedToEnd_ = false;  // a successful notice since the last Play or Open
};

// MCI_SETAUDIO volume on the open device; callers ignore the result.
MciError SetPlayerVolume(TMediaPlayer& player, uint32_t volume);
