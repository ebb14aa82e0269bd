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
};

// Pairs presses and releases over the icon: a release raises a click only after a press.
class TrayMouseRouter {
 public:
  TrayAction Handle(TrayMouse event);

 private:
  bool leftPressed_ = false;
  bool rightPressed_ = false;
};
