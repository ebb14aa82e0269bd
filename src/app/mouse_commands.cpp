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

void FormMouseDown(ClockState&, FaceHitAreas& a, MouseHost& host, MouseButton button, int x, int y) {
  if (host.BeepRunning()) host.StopBeep();
  if (button != MouseButton::Left) return;
  for (TSknButton* b : {&a.left, &a.right})
    if (b->MouseDownAt(x, y)) host.FaceChanged();
}

void FormMouseMove(ClockState& state, FaceHitAreas& a, MouseHost& host, int x, int y, bool leftHeld) {
  const bool title = InTitle(a, x, y);
  const bool hands = InHandsCentre(a, x, y);
  if (hands != state.FHandsHot) {
    state.FHandsHot = hands;
    host.FaceChanged();
    host.SetHandCursor(hands);
  }
  // A press-and-move on any free point of the face drags the window; a plain hover there
  // changes nothing on the face.
  if (!title && !hands && !a.left.MouseMoveTo(x, y) && !a.right.MouseMoveTo(x, y) && leftHeld) {
    host.StartSystemDrag();
    host.FaceChanged();
  }
  if (title != state.FTitleHot) {
    state.FTitleHot = title;
    host.FaceChanged();
    host.SetHandCursor(title);
  }
  for (TSknButton* b : {&a.left, &a.right})
    if (b->MouseMoveTo(x, y)) host.FaceChanged();
}

void FormMouseUp(ClockState& state, FaceHitAreas& a, MouseHost& host, int x, int y) {
  const bool left = a.left.HitTest(x, y);
  const bool right = a.right.HitTest(x, y);
  // Each step tests the mode again: an earlier step may have changed it.
  const auto mode = [&] { return state.FClockType; };
  const auto clockLike = [&] { return mode() == ctClock || mode() == ctAtomic; };

  if (right && mode() == ctStopwatch) {
    state.StopWatch1.Reset();
    host.FaceChanged();
  }
  if (right && mode() == ctTimer) {
    a.right.Release();
    host.OpenTimerDialog();
    host.FaceChanged();
  }
  if (left && mode() == ctTimer) {
    a.left.Release();
    TStopWatch& t = state.swTimer;
    if (t.Running()) t.Stop();
    else if (t.GetElapsedTime() < state.FTimerLength) t.Start();
    host.FaceChanged();
  }
  if (left && mode() == ctCountdown) {
    a.left.Release();
    host.OpenCountdownDialog();
    host.FaceChanged();
  }
  if (left && clockLike()) {
    a.left.Release();
    host.SyncTime();
  }
  if (right && clockLike()) {
    a.right.Release();
    host.SeeTimeDifference();
  }
  if (right && mode() == ctCountdown) {
    a.right.Release();
    state.FCountdownArmed = false;
    state.FCountdownTo = host.DisplayedTime();
    host.FaceChanged();
  }
  if (left && mode() == ctStopwatch) {
    TStopWatch& s = state.StopWatch1;
    if (s.Running()) s.Stop();
    else s.Start();
    host.FaceChanged();
  }
  if (InTitle(a, x, y)) {
    host.SetClockType(NextClockType(mode()));
    host.FaceChanged();
  }
  if (InHandsCentre(a, x, y)) {
    state.FDisplayArrows = !state.FDisplayArrows;
    host.FaceChanged();
  }
  state.FDrawKey = -1;
}
