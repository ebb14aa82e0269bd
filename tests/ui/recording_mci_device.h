#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ui/mci_device.h"

// Plays nothing: records every command and answers as a script says.
class RecordingMciDevice : public MciDevice {
 public:
  static constexpr MciError kFileNotFound = 275;
  static constexpr MciError kInvalidDevice = 257;

  std::vector<MciCommand> sent;
  std::map<std::string, MciError> openErrors;  // by element
  uint32_t mode = mci::kModeNotReady + 2;      // playing
  uint32_t position = 0, length = 2000;
  uint16_t nextDevice = 1;
  std::map<MciError, std::string> texts{{kFileNotFound, "The specified file was not found."}};

  MciReply Send(const MciCommand& c) override {
    sent.push_back(c);
    if (c.message == mci::kOpen) {
      const auto e = openErrors.find(c.element);
      if (e != openErrors.end()) return {e->second, 0};
      open_ = nextDevice++;
      return {0, open_};
    }
    if (c.device == 0 || c.device != open_) return {kInvalidDevice, 0};
    if (c.message == mci::kClose) open_ = 0;
    if (c.message == mci::kStatus)
      return {0, c.item == mci::kStatusMode ? mode : c.item == mci::kStatusPosition ? position : length};
    return {0, 0};
  }
  std::string ErrorText(MciError e) override {
    const auto t = texts.find(e);
    return t == texts.end() ? std::string() : t->second;
  }

  uint16_t OpenDevice() const { return open_; }
  // The commands other than status queries, as "message flags" pairs.
  std::vector<std::pair<uint32_t, uint32_t>> Actions() const {
    std::vector<std::pair<uint32_t, uint32_t>> out;
    for (const MciCommand& c : sent)
      if (c.message != mci::kStatus) out.emplace_back(c.message, c.flags);
    return out;
  }

 private:
  uint16_t open_ = 0;
};
