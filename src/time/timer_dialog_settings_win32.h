#pragma once
#include <windows.h>

// What the timer dialog keeps from one showing to the next: where its window was and
// Auto Start. Where they are kept is the settings' business.
class TimerDialogSettings {
 public:
  virtual ~TimerDialogSettings() = default;
  // Moves the dialog to its kept place, if there is one; the kept Auto Start, or
  // `autoStart` when none is kept.
  virtual bool Restore(HWND dialog, bool autoStart) = 0;
  // Throws OrmelError when the settings refuse the write.
  virtual void Save(HWND dialog, bool autoStart) = 0;
};
