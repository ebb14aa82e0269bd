#pragma once
#include "app/settings_storage.h"
#include "time/timer_dialog_settings_win32.h"

// The timer dialog's settings in the storage's section "Timer".
class TimerFormSettings : public TimerDialogSettings {
 public:
  explicit TimerFormSettings(SettingsStorage& storage) : storage_(storage) {}
  bool Restore(HWND dialog, bool autoStart) override;
  void Save(HWND dialog, bool autoStart) override;

 private:
  SettingsStorage& storage_;
};
