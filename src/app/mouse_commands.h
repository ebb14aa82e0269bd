#pragma once
#include "app/clock_state.h"
#include "skin/label.h"
#include "skin/rot_layer.h"
#include "skin/skin_button.h"

// What the face's mouse handling asks of the main window.
class MouseHost {
 public:
  virtual ~MouseHost() = default;
  virtual bool BeepRunning() = 0;
  virtual void StopBeep() = 0;
  virtual void FaceChanged() = 0;
  virtual void SetClockType(ClockType type) = 0;
  virtual TDateTime DisplayedTime() = 0;
  virtual void SetHandCursor(bool hand) = 0;
  // Releases the capture and hands the press to the system's window dragging, which returns
  // once the window has been dropped.
  virtual void StartSystemDrag() = 0;
  virtual void OpenCountdownDialog() = 0;  // "Countdown to..."
  virtual void OpenTimerDialog() = 0;      // "Set up Timer"
  virtual void SyncTime() = 0;             // set the clock from the network, then show the difference
  virtual void SeeTimeDifference() = 0;    // show the difference only
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

void FormMouseDown(ClockState& state, FaceHitAreas& areas, MouseHost& host, MouseButton button, int x, int y);
// `leftHeld`: the left button is down during the move, as the move's own message says.
void FormMouseMove(ClockState& state, FaceHitAreas& areas, MouseHost& host, int x, int y, bool leftHeld);
// (x, y) is the screen cursor in window coordinates, whichever button was released.
void FormMouseUp(ClockState& state, FaceHitAreas& areas, MouseHost& host, int x, int y);
