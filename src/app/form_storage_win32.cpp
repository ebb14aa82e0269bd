#include "app/form_storage_win32.h"

#include "app/form_storage.h"
#include "app/settings_placement_win32.h"

bool TimerFormSettings::Restore(HWND dialog, bool autoStart) {
  // A stored position replaces the centring.
  if (auto placement = RestoreTimerForm(storage_, ReadWindowPlacement(dialog), autoStart))
    ApplyWindowPlacement(dialog, *placement);
  return autoStart;
}

void TimerFormSettings::Save(HWND dialog, bool autoStart) {
  SaveTimerForm(storage_, ReadWindowPlacement(dialog), autoStart);
}
