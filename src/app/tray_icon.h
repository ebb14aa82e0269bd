#pragma once
#include <cstdint>

// What the tray icon does, apart from the shell: its mouse and whether it is in the tray.

// Mouse events the shell reports for the tray icon.
enum class TrayMouse : uint8_t {
  Move, LeftDown, LeftUp, LeftDoubleClick, RightDown, RightUp, RightDoubleClick, MiddleDown, MiddleUp,
  MiddleDoubleClick
};

enum class TrayButton : uint8_t { Left, Right };

// What one tray mouse message leads to.
struct TrayAction {
  bool click = false;        // raise the click of `button`
  TrayButton button = TrayButton::Left;
  bool doubleClick = false;  // run the menu's default item
  bool raiseDialog = false;  // bring forward the dialog that holds the clock
};

// Pairs presses and releases over the icon: a release raises a click only after a press.
class TrayMouseRouter {
 public:
  // `held`: a dialog holds the clock until it closes. The icon stands for the clock, so it
  // runs no command then either: a click or double click brings that dialog forward.
  TrayAction Handle(TrayMouse event, bool held);

 private:
  bool leftPressed_ = false;
  bool rightPressed_ = false;
};

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
