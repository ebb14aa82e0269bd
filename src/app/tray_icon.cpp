#include "app/tray_icon.h"

TrayAction TrayMouseRouter::Handle(TrayMouse event, bool held) {
  TrayAction a;
  switch (event) {
    case TrayMouse::LeftDown: leftPressed_ = true; break;
    case TrayMouse::RightDown: rightPressed_ = true; break;
    case TrayMouse::LeftUp:
      a.click = leftPressed_;
      leftPressed_ = false;
      break;
    case TrayMouse::RightUp:
      a.click = rightPressed_;
      a.button = TrayButton::Right;
      rightPressed_ = false;
      break;
    // The double click's own press starts no click: its release must not toggle twice.
    case TrayMouse::LeftDoubleClick: a.doubleClick = true; break;
    default: break;
  }
  if (held && (a.click || a.doubleClick)) {
    TrayAction raise;
    raise.raiseDialog = true;
    return raise;
  }
  return a;
}

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
