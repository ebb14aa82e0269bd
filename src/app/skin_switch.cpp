#include "app/skin_switch.h"

#include "skin/skin_scan.h"

void ShowStartupSkin(ClockState& state, const std::vector<std::string>& installed, SkinHost& host) {
  const StartupSkin shown =
      LoadStartupSkin(state.FSkinName, installed, [&host](const std::string& name) { host.LoadSkin(name); });
  state.FSkinName = shown.name;
  if (!shown.problems.empty()) host.ShowError(shown.problems);
  host.FitWindowToSkin();
}

void imnSkinsClick(ClockState& state, const std::vector<std::string>& skinNames, size_t index, SkinHost& host) {
  if (index >= skinNames.size()) return;
  host.LoadSkin(skinNames[index]);
  state.FSkinName = skinNames[index];
  host.FitWindowToSkin();
  state.FDrawKey = -1;  // the new face is drawn whole at once
  host.FaceChanged();
}
