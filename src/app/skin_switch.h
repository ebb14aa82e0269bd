#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "app/clock_state.h"

// Showing a skin on the clock: the start-up load and the Skins submenu's items.

// What a change of skin asks of the clock window.
class SkinHost {
 public:
  virtual ~SkinHost() = default;
  // Throws OrmelError naming the skin and what is wrong; the skin shown stays then.
  virtual void LoadSkin(const std::string& name) = 0;
  // The window takes the new face's size, the button tips their new places and the chime
  // the skin's own sound.
  virtual void FitWindowToSkin() = 0;
  virtual void ShowError(const std::string& message) = 0;
  virtual void FaceChanged() = 0;
};

// The start-up load of the saved skin, or of a fallback with one message saying why; throws
// OrmelError when no installed skin loads.
void ShowStartupSkin(ClockState& state, const std::vector<std::string>& installed, SkinHost& host);

// A skin item of the Skins submenu, `index` into its folder names. A skin that cannot be
// shown is refused by LoadSkin's error and the clock keeps its face.
void imnSkinsClick(ClockState& state, const std::vector<std::string>& skinNames, size_t index, SkinHost& host);
