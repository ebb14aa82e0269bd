#pragma once
#include <cstdint>

enum class TrayShellCall : uint8_t { Add, Modify, Delete };

// The shell's notification area, told about our one icon.
class TrayShell {
 public:
  virtual ~TrayShell() = default;
  // False when the shell refuses.
  virtual bool Notify(TrayShellCall call) = 0;
};

// Whether the icon is in the tray, and the shell calls that keep it so. A refused add
// leaves the icon out; the next change of hint or icon tries to add it again.
class TrayRegistration {
 public:
  explicit TrayRegistration(TrayShell& shell) : shell_(shell) {}

  // Clears a stale icon of ours, then adds the icon when there is one.
  void Show(bool hasIcon);
  // The hint or the icon changed.
  void Changed(bool hasIcon);
  void Remove();
  bool InTray() const { return inTray_; }

 private:
  TrayShell& shell_;
  bool inTray_ = false;
};
