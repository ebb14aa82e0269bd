#include "app/tray_registration.h"

void TrayRegistration::Show(bool hasIcon) {
  shell_.Notify(TrayShellCall::Delete);
  inTray_ = hasIcon && shell_.Notify(TrayShellCall::Add);
}

void TrayRegistration::Changed(bool hasIcon) {
  if (!inTray_) return Show(hasIcon);
  if (hasIcon) {
    shell_.Notify(TrayShellCall::Modify);
  } else {
    shell_.Notify(TrayShellCall::Delete);
    inTray_ = false;
  }
}

void TrayRegistration::Remove() {
  shell_.Notify(TrayShellCall::Delete);
  inTray_ = false;
}
