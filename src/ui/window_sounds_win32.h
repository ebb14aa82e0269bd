#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "ui/clock_sounds.h"
#include "ui/mci_device_win32.h"

// MediaPlayer1's hidden window: it receives the MCI completion notices and runs tBeep,
// so the main window only calls the sound steps.
class WindowSounds : private SoundHost, private BeepTimer {
 public:
  using ErrorReport = std::function<void(const std::string&)>;
  WindowSounds(HINSTANCE instance, std::function<void()> faceChanged, ErrorReport reportError,
               const std::string& programFolder);
  ~WindowSounds() override;
  WindowSounds(const WindowSounds&) = delete;
  WindowSounds& operator=(const WindowSounds&) = delete;

  ClockSounds& Sounds() { return sounds_; }
  HWND Handle() const { return hwnd_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static HWND CreateHiddenWindow(HINSTANCE instance);

  void FaceChanged() override { faceChanged_(); }
  void ReportSoundError(const std::string& message) override { reportError_(message); }
  bool FileExists(const std::string& path) override;
  void SetEnabled(bool enabled) override;

  HWND hwnd_;
  std::function<void()> faceChanged_;
  ErrorReport reportError_;
  MciDeviceWin32 device_;
  ClockSounds sounds_;
};
