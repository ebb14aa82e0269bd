#include "ui/mci_device_win32.h"

#include <mmsystem.h>

#include <digitalv.h>

#include <vector>

#include "base/library_entry_win32.h"
#include "base/wide_text_win32.h"

namespace {

// winmm is loaded when the first sound plays, not at start-up: nothing before the first chime
// or beep needs it. Loaded once, it stays for the program's run.
struct Winmm {
  decltype(&::mciSendCommandW) sendCommand = nullptr;
  decltype(&::mciGetErrorStringW) errorString = nullptr;
};

// nullptr when the library or one of its entry points is missing.
const Winmm* LoadedWinmm() {
  static const Winmm winmm = [] {
    Winmm w;
    if (const HMODULE library = LoadLibraryW(L"winmm.dll")) {
      w.sendCommand = LibraryEntry<decltype(w.sendCommand)>(library, "mciSendCommandW");
      w.errorString = LibraryEntry<decltype(w.errorString)>(library, "mciGetErrorStringW");
    }
    return w;
  }();
  return winmm.sendCommand && winmm.errorString ? &winmm : nullptr;
}

}  // namespace

static_assert(mci::kOpen == MCI_OPEN && mci::kClose == MCI_CLOSE && mci::kPlay == MCI_PLAY && mci::kSeek == MCI_SEEK &&
              mci::kStatus == MCI_STATUS && mci::kSetAudio == MCI_SETAUDIO);
static_assert(mci::kNotify == MCI_NOTIFY && mci::kWait == MCI_WAIT && mci::kSeekToStart == MCI_SEEK_TO_START &&
              mci::kStatusItem == MCI_STATUS_ITEM && mci::kOpenElement == MCI_OPEN_ELEMENT &&
              mci::kSetAudioItem == MCI_DGV_SETAUDIO_ITEM && mci::kSetAudioValue == MCI_DGV_SETAUDIO_VALUE);
static_assert(mci::kStatusLength == MCI_STATUS_LENGTH && mci::kStatusPosition == MCI_STATUS_POSITION &&
              mci::kStatusMode == MCI_STATUS_MODE && mci::kSetAudioVolume == MCI_DGV_SETAUDIO_VOLUME);
static_assert(mci::kModeNotReady == MCI_MODE_NOT_READY && mci::kModeOpen == MCI_MODE_OPEN &&
              mci::kNotifyMessage == MM_MCINOTIFY && mci::kNotifySuccessful == MCI_NOTIFY_SUCCESSFUL &&
              mci::kNotifySuperseded == MCI_NOTIFY_SUPERSEDED && mci::kNotifyAborted == MCI_NOTIFY_ABORTED &&
              mci::kNotifyFailure == MCI_NOTIFY_FAILURE);

MciReply MciDeviceWin32::Send(const MciCommand& c) {
  const Winmm* winmm = LoadedWinmm();
  if (!winmm) return {MCIERR_CANNOT_LOAD_DRIVER, 0};
  const auto send = winmm->sendCommand;
  const DWORD_PTR callback = reinterpret_cast<DWORD_PTR>(callback_);
  switch (c.message) {
    case mci::kOpen: {
      const std::wstring element = Wide(c.element);
      MCI_OPEN_PARMSW p{};
      p.dwCallback = callback;
      p.lpstrElementName = element.c_str();
      const MciError e = send(0, MCI_OPEN, c.flags, reinterpret_cast<DWORD_PTR>(&p));
      return {e, e == 0 ? p.wDeviceID : 0u};
    }
    case mci::kStatus: {
      MCI_STATUS_PARMS p{};
      p.dwCallback = callback;
      p.dwItem = c.item;
      const MciError e = send(c.device, MCI_STATUS, c.flags, reinterpret_cast<DWORD_PTR>(&p));
      return {e, static_cast<uint32_t>(p.dwReturn)};
    }
    case mci::kSetAudio: {
      MCI_DGV_SETAUDIO_PARMSW p{};
      p.dwItem = c.item;
      p.dwValue = c.value;
      return {send(c.device, MCI_SETAUDIO, c.flags, reinterpret_cast<DWORD_PTR>(&p)), 0};
    }
    case mci::kPlay: {
      MCI_PLAY_PARMS p{};
      p.dwCallback = callback;
      return {send(c.device, MCI_PLAY, c.flags, reinterpret_cast<DWORD_PTR>(&p)), 0};
    }
    case mci::kSeek: {
      MCI_SEEK_PARMS p{};
      p.dwCallback = callback;
      return {send(c.device, MCI_SEEK, c.flags, reinterpret_cast<DWORD_PTR>(&p)), 0};
    }
    case mci::kClose: {
      MCI_GENERIC_PARMS p{};
      p.dwCallback = callback;
      return {send(c.device, MCI_CLOSE, c.flags, reinterpret_cast<DWORD_PTR>(&p)), 0};
    }
    default: return {MCIERR_UNRECOGNIZED_COMMAND, 0};
  }
}

std::string MciDeviceWin32::ErrorText(MciError error) {
  const Winmm* winmm = LoadedWinmm();
  std::vector<wchar_t> text(4096, L'\0');
  if (!winmm || !winmm->errorString(error, text.data(), static_cast<UINT>(text.size()))) return {};
  return Utf8(text.data());
}
