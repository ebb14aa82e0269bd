#pragma once
#include <windows.h>

#include "ui/mci_device.h"

// MCI through winmm's mciSendCommand; completion notices go to the callback window.
class MciDeviceWin32 : public MciDevice {
 public:
  explicit MciDeviceWin32(HWND callback) : callback_(callback) {}
  MciReply Send(const MciCommand& command) override;
  std::string ErrorText(MciError error) override;

 private:
  HWND callback_;
};
