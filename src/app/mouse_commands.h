#pragma once
#include <optional>

#include "app/clock_state.h"
#include "skin/label.h"
#include "skin/rot_layer.h"
#include "skin/skin_button.h"

// The modal work a release on the face starts: each returns once it is done, and the
// release's later steps see the mode it left.
class FaceCommands {
 public:
  virtual ~FaceCommands() = default;
  virtual void OpenCountdownDialog() = 0;  // "Countdown to..."
  virtual void OpenTimerDialog() = 0;      // "Set up Timer"
  virtual void SyncTime() = 0;             // set the clock from the network, then show the difference
  virtual void SeeTimeDifference() = 0;    // show the difference only
};

// What the window does after a mouse message, in this order.
struct MouseOutcome {
  bool stopBeep = false;
  std::optional<bool> handCursor;  // the cursor becomes the hand (true) or the arrow (false)
  // Releases the capture and hands the press to the system's window dragging, which returns
  // once the window has been dropped.
  bool startDrag = false;
  bool faceChanged = false;
};

// The hot areas of the face, as the current skin placed them.
struct FaceHitAreas {
  const TLabel& title;
  FloatPoint handsCentre;  // the hour hand layer's position
  TSknButton& left;
  TSknButton& right;
  int handsReach = 5;  // how far from the centre it takes clicks, in device pixels: 5 face pixels scaled
};

bool InTitle(const FaceHitAreas& areas, int x, int y);
bool InHandsCentre(const FaceHitAreas& areas, int x, int y);
// The hand cursor shows over the title, the hands' centre and a hovered button.
bool ShowsHandCursor(const ClockState& state, const FaceHitAreas& areas);

enum class MouseButton { Left, Right, Middle };

MouseOutcome FormMouseDown(ClockState& state, FaceHitAreas& areas, MouseButton button, int x, int y, bool beepRunning);
// `leftHeld`: the left button is down during the move, as the move's own message says.
MouseOutcome FormMouseMove(ClockState& state, FaceHitAreas& areas, int x, int y, bool leftHeld);
// (x, y) is the screen cursor in window coordinates, whichever button was released; `now` the
// displayed time at the release.
MouseOutcome FormMouseUp(ClockState& state, FaceHitAreas& areas, FaceCommands& commands, int x, int y, TDateTime now);
