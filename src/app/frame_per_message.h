#pragma once
#include <functional>

// The face is composed once per message of the clock window: handlers only say that it
// changed, and the end of the message composes it. A change said outside any of the window's
// messages (the beep's own timer, the tray's window) is composed at once.
class FramePerMessage {
 public:
  explicit FramePerMessage(std::function<void()> compose) : compose_(std::move(compose)) {}

  void FaceChanged();
  // Runs one message's handler, then composes what it changed, also when it threw. Messages
  // that arrive inside it (a dialog's, a menu's or a drag's loop) compose at their own end.
  // A template, so that the ten messages a second of the idle clock allocate nothing.
  template <typename Handler>
  void Handle(Handler&& handler) {
    ++messages_;
    try {
      handler();
    } catch (...) {
      EndMessage();  // what the handler changed before it failed is shown, as its error is
      throw;
    }
    EndMessage();
  }
  // Composes now what the message has changed so far.
  void ComposeChanged();

 private:
  void EndMessage();

  std::function<void()> compose_;
  int messages_ = 0;  // nested messages of the window being handled
  bool changed_ = false;
};
