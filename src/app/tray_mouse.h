#pragma once
#include <cstdint>

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
