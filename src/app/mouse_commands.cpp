#include "app/mouse_commands.h"

#include <cmath>

bool InTitle(const FaceHitAreas& a, int x, int y) {
  return a.title.left <= x && x <= a.title.left + a.title.width && a.title.top <= y &&
         y <= a.title.top + a.title.height;
}

bool InHandsCentre(const FaceHitAreas& a, int x, int y) {
  return std::fabs(x - a.handsCentre.x) <= a.handsReach && std::fabs(y - a.handsCentre.y) <= a.handsReach;
}

bool ShowsHandCursor(const ClockState& state, const FaceHitAreas& a) {
  return state.FTitleHot || state.FHandsHot || a.left.state == TSknButton::kHover || a.right.state == TSknButton::kHover;
}

MouseOutcome FormMouseDown(ClockState&, FaceHitAreas& a, MouseButton button, int x, int y, bool beepRunning) {
  MouseOutcome out;
  out.stopBeep = beepRunning;
  if (button != MouseButton::Left) return out;
  for (TSknButton* b : {&a.left, &a.right})
    if (b->MouseDownAt(x, y)) out.faceChanged = true;
  return out;
}

MouseOutcome FormMouseMove(ClockState& state, FaceHitAreas& a, int x, int y, bool leftHeld) {
  MouseOutcome out;
  const bool title = InTitle(a, x, y);
  const bool hands = InHandsCentre(a, x, y);
  if (hands != state.FHandsHot) {
    state.FHandsHot = hands;
    out.faceChanged = true;
    out.handCursor = hands;
  }
  // A press-and-move on any free point of the face drags the window; a plain hover there
  // changes nothing on the face.
  if (!title && !hands && !a.left.MouseMoveTo(x, y) && !a.right.MouseMoveTo(x, y) && leftHeld) {
    out.startDrag = true;
    out.faceChanged = true;
  }
  if (title != state.FTitleHot) {
    state.FTitleHot = title;
    out.faceChanged = true;
    out.handCursor = title;
  }
  for (TSknButton* b : {&a.left, &a.right})
    if (b->MouseMoveTo(x, y)) out.faceChanged = true;
  return out;
}

MouseOutcome FormMouseUp(ClockState& state, FaceHitAreas& a, FaceCommands& commands, int x, int y, TDateTime now) {
  MouseOutcome out;
  const bool left = a.left.HitTest(x, y);
  const bool right = a.right.HitTest(x, y);
  // Each step tests the mode again: an earlier step may have changed it.
  const auto mode = [&] { return state.FClockType; };
  const auto clockLike = [&] { return mode() == ctClock || mode() == ctAtomic; };

  if (right && mode() == ctStopwatch) {
    state.StopWatch1.Reset();
    out.faceChanged = true;
  }
  if (right && mode() == ctTimer) {
    a.right.Release();
    commands.OpenTimerDialog();
    out.faceChanged = true;
  }
  if (left && mode() == ctTimer) {
    a.left.Release();
    TStopWatch& t = state.swTimer;
    if (t.Running()) t.Stop();
    else if (t.GetElapsedTime() < state.FTimerLength) t.Start();
    out.faceChanged = true;
  }
  if (left && mode() == ctCountdown) {
    a.left.Release();
    commands.OpenCountdownDialog();
    out.faceChanged = true;
  }
  if (left && clockLike()) {
    a.left.Release();
    commands.SyncTime();
    out.faceChanged = true;
  }
  if (right && clockLike()) {
    a.right.Release();
    commands.SeeTimeDifference();
    out.faceChanged = true;
  }
  if (right && mode() == ctCountdown) {
    a.right.Release();
    state.FCountdownArmed = false;
    state.FCountdownTo = now;
    out.faceChanged = true;
  }
  if (left && mode() == ctStopwatch) {
    TStopWatch& s = state.StopWatch1;
    if (s.Running()) s.Stop();
    else s.Start();
    out.faceChanged = true;
  }
  if (InTitle(a, x, y)) {
    SetClockType(state, NextClockType(mode()));
    out.faceChanged = true;
  }
  if (InHandsCentre(a, x, y)) {
    state.FDisplayArrows = !state.FDisplayArrows;
    out.faceChanged = true;
  }
  state.FDrawKey = -1;
  return out;
}
