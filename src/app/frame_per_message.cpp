#include "app/frame_per_message.h"

void FramePerMessage::FaceChanged() {
  changed_ = true;
  if (messages_ == 0) ComposeChanged();
}

void FramePerMessage::EndMessage() {
  --messages_;
  ComposeChanged();
}

void FramePerMessage::ComposeChanged() {
  if (!changed_) return;
  changed_ = false;  // a compose that throws is not retried at every message
  compose_();
}
