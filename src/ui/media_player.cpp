#include "ui/media_player.h"

#include "base/ormel_error.h"

TMediaPlayer::~TMediaPlayer() {
  if (deviceId_ != 0) device_.Send({deviceId_, mci::kClose, mci::kWait, {}, 0, 0});
}

bool TMediaPlayer::TakeOverride(std::optional<bool>& override, bool otherwise) {
  const bool value = override.value_or(otherwise);
  override.reset();
  return value;
}

MciReply TMediaPlayer::Send(MciCommand command) {
  const MciReply reply = device_.Send(command);
  error_ = reply.error;
  return reply;
}

void TMediaPlayer::Open() {
  if (open_) Close();
  const uint32_t notify = TakeOverride(notify_, false) ? mci::kNotify : 0;
  const MciReply reply = Send({0, mci::kOpen, mci::kOpenElement | mci::kWait | notify, FileName, 0, 0});
  if (reply.error != 0) {
    const std::string text = device_.ErrorText(reply.error);
    throw OrmelError(text.empty() ? "Unknown error code" : text);
  }
  deviceId_ = static_cast<uint16_t>(reply.result);
  open_ = true;
  playedToEnd_ = false;
}

void TMediaPlayer::Close() {
  if (deviceId_ == 0) return;
  const uint32_t notify = TakeOverride(notify_, false) ? mci::kNotify : 0;
  if (Send({deviceId_, mci::kClose, mci::kWait | notify, {}, 0, 0}).error == 0) {
    open_ = false;
    deviceId_ = 0;
  }
}

std::optional<uint32_t> TMediaPlayer::StatusOf(uint32_t item) {
  const MciReply reply = Send({deviceId_, mci::kStatus, mci::kStatusItem | mci::kWait, {}, item, 0});
  if (reply.error != 0) return std::nullopt;
  return reply.result;
}

void TMediaPlayer::Play() {
  if (!open_) throw OrmelError("No MCI device open");
  if (AutoRewind) {
    const std::optional<uint32_t> position = StatusOf(mci::kStatusPosition);
    const std::optional<uint32_t> length = StatusOf(mci::kStatusLength);
    // Wine's mpegvideo reads position 0, not the length, once a play has run to its end,
    // and then plays nothing until seeked: the successful notice tells the end as well.
    if (playedToEnd_ || (position && length && *position == *length))
      Send({deviceId_, mci::kSeek, mci::kSeekToStart | mci::kWait, {}, 0, 0});
  }
  const uint32_t flags = (TakeOverride(notify_, true) ? mci::kNotify : 0) | (TakeOverride(wait_, false) ? mci::kWait : 0);
  Send({deviceId_, mci::kPlay, flags, {}, 0, 0});
  playedToEnd_ = false;
}

std::optional<TMPModes> TMediaPlayer::Mode() {
  const std::optional<uint32_t> mode = StatusOf(mci::kStatusMode);
  if (!mode || *mode < mci::kModeNotReady || *mode > mci::kModeOpen) return std::nullopt;
  return static_cast<TMPModes>(*mode - mci::kModeNotReady);
}

void TMediaPlayer::HandleNotify(uint32_t flag) {
  switch (flag) {
    case mci::kNotifySuperseded: notifyValue_ = TMPNotifyValues::nvSuperseded; break;
    case mci::kNotifyAborted: notifyValue_ = TMPNotifyValues::nvAborted; break;
    case mci::kNotifyFailure: notifyValue_ = TMPNotifyValues::nvFailure; break;
    default:
      notifyValue_ = TMPNotifyValues::nvSuccessful;
      playedToEnd_ = open_;
      break;
  }
  if (OnNotify) OnNotify();
}

MciError SetPlayerVolume(TMediaPlayer& player, uint32_t volume) {
  return player
      .Send({player.deviceId_, mci::kSetAudio, mci::kSetAudioItem | mci::kSetAudioValue, {}, mci::kSetAudioVolume,
             volume})
      .error;
}
