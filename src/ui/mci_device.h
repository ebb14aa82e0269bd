#pragma once
#include <cstdint>
#include <string>

// The Media Control Interface commands, flags and values the player sends, as winmm
// numbers them (the Windows device checks them against the platform headers).
namespace mci {
constexpr uint32_t kOpen = 0x0803;
constexpr uint32_t kClose = 0x0804;
constexpr uint32_t kPlay = 0x0806;
constexpr uint32_t kSeek = 0x0807;
constexpr uint32_t kStatus = 0x0814;
constexpr uint32_t kSetAudio = 0x0873;

constexpr uint32_t kNotify = 0x00000001;
constexpr uint32_t kWait = 0x00000002;
constexpr uint32_t kSeekToStart = 0x00000100;
constexpr uint32_t kStatusItem = 0x00000100;
constexpr uint32_t kOpenElement = 0x00000200;
constexpr uint32_t kSetAudioItem = 0x00800000;
constexpr uint32_t kSetAudioValue = 0x01000000;

constexpr uint32_t kStatusLength = 1;
constexpr uint32_t kStatusPosition = 2;
constexpr uint32_t kStatusMode = 4;
constexpr uint32_t kSetAudioVolume = 0x4002;

constexpr uint32_t kModeNotReady = 524;
constexpr uint32_t kModeOpen = 530;

// MM_MCINOTIFY, posted to the callback window; its first parameter is one of these.
constexpr uint32_t kNotifyMessage = 0x3B9;
constexpr uint32_t kNotifySuccessful = 1;
constexpr uint32_t kNotifySuperseded = 2;
constexpr uint32_t kNotifyAborted = 4;
constexpr uint32_t kNotifyFailure = 8;
}  // namespace mci

using MciError = uint32_t;

// One mciSendCommand: the fields of its parameter record that this program fills in.
struct MciCommand {
  uint16_t device = 0;
  uint32_t message = 0;
  uint32_t flags = 0;
  std::string element;  // MCI_OPEN: the file to open
  uint32_t item = 0;    // MCI_STATUS and MCI_SETAUDIO
  uint32_t value = 0;   // MCI_SETAUDIO
};

struct MciReply {
  MciError error = 0;
  uint32_t result = 0;  // the device id of an open, the value of a status
};

// The platform's media control interface.
class MciDevice {
 public:
  virtual ~MciDevice() = default;
  virtual MciReply Send(const MciCommand& command) = 0;
  // The platform's text for an error code; empty when it has none.
  virtual std::string ErrorText(MciError error) = 0;
};
