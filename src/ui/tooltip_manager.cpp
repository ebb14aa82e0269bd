#include "ui/tooltip_manager.h"

void TToolTipManager::Loaded() {
  loading_ = false;
  Recreate();
}

void TToolTipManager::Recreate() {
  if (loading_ || !enabled_) return;
  if (window_.Exists()) window_.Destroy();
  if (!window_.Create(balloonTip_)) return;
  for (size_t i = 0; i < ToolTips.size(); ++i) AddTool(i);
}

void TToolTipManager::Update(size_t index) {
  if (index >= ToolTips.size() || !ToolTips[index].Control || !window_.Exists()) return;
  // One registration per id: the earlier one goes before the current text is added.
  window_.RemoveTool(ToolId(index));
  AddTool(index);
}

void TToolTipManager::AddTool(size_t index) {
  const TToolTipItem& item = ToolTips[index];
  if (!window_.Exists() || !item.Control) return;
  const TSknButton& b = *item.Control;
  // The buttons have no window: their area is their box on the face, which lies at the owner's origin.
  const ToolRegistration tool{ToolId(index), ToolRect{b.left, b.top, b.left + b.width, b.top + b.height},
                              centerTip_, item.Description};
  if (!window_.AddTool(tool)) window_.ReportAddFailure();
}

void TToolTipManager::SetEnabled(bool value) {
  enabled_ = value;
  if (value) Recreate();
  else if (window_.Exists()) window_.Destroy();
}

void TToolTipManager::SetBalloonTip(bool value) {
  if (value == balloonTip_) return;
  balloonTip_ = value;
  Recreate();
}

void TToolTipManager::SetCenterTip(bool value) {
  if (value == centerTip_) return;
  centerTip_ = value;
  Recreate();
}

void TToolTipManager::SetPause(int& field, TooltipDelay which, int milliseconds) {
  field = milliseconds;
  if (window_.Exists()) window_.SetDelay(which, milliseconds);
}
