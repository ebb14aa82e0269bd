#include "app/frame_per_message.h"

#include <exception>

void FramePerMessage::FaceChanged() {
  changed_ = true;
  if (messages_ == 0) ComposeChanged();
}

void FramePerMessage::Handle(const std::function<void()>& handler) {
  std::exception_ptr failure;
  ++messages_;
  try {
    handler();
  } catch (...) {
    failure = std::current_exception();
  }
  --messages_;
  // What the handler changed before it failed is shown, as its error is.
  ComposeChanged();
  if (failure) std::rethrow_exception(failure);
}

void FramePerMessage::ComposeChanged() {
  if (!changed_) return;
  changed_ = false;  // a compose that throws is not retried at every message
  compose_();
}
