#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/skin_button.h"

// A tool's area in the owner window's client coordinates; right and bottom are exclusive.
struct ToolRect {
  int left, top, right, bottom;
  bool operator==(const ToolRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// One tool as the tooltip window registers it.
struct ToolRegistration {
  uint32_t id;
  ToolRect rect;
  bool centerTip;
  std::string text;
};

enum class TooltipDelay : uint8_t { Initial, AutoPop, Reshow };

// The platform's tooltip window of the owner window.
class TooltipWindow {
 public:
  virtual ~TooltipWindow() = default;
  virtual bool Exists() const = 0;
  // False when the window cannot be made: then there are no tooltips.
  virtual bool Create(bool balloon) = 0;
  virtual void Destroy() = 0;
  // False when the tooltip window refuses the tool.
  virtual bool AddTool(const ToolRegistration& tool) = 0;
  virtual void RemoveTool(uint32_t id) = 0;
  virtual void SetDelay(TooltipDelay which, int milliseconds) = 0;
  virtual void ReportAddFailure() = 0;
};

// One tooltip: the skin button it belongs to and the text it shows.
struct TToolTipItem {
  const TSknButton* Control = nullptr;
  std::string Title;  // kept with the item; the tip shows the description alone
  std::string Description;
};

// Gives window-less skin buttons tooltips from one tooltip window. Tool areas are
// captured when a tool is added, so the owner recreates the tools after a skin moves them.
class TToolTipManager {
 public:
  explicit TToolTipManager(TooltipWindow& window) : window_(window) {}

  std::vector<TToolTipItem> ToolTips;

  // Ends loading: from now on the window follows the properties.
  void Loaded();
  // A new tooltip window with every item's tool, in collection order.
  void Recreate();
  // Registers the item again, so that its current description and area show.
  void Update(size_t index);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  void SetBalloonTip(bool value);
  void SetCenterTip(bool value);
  void SetShowPause(int milliseconds) { SetPause(showPause_, TooltipDelay::Initial, milliseconds); }
  void SetHidePause(int milliseconds) { SetPause(hidePause_, TooltipDelay::AutoPop, milliseconds); }
  void SetReshowPause(int milliseconds) { SetPause(reshowPause_, TooltipDelay::Reshow, milliseconds); }
  int ShowPause() const { return showPause_; }
  int HidePause() const { return hidePause_; }
  int ReshowPause() const { return reshowPause_; }

  // Each item has its own id: tools of one owner window are told apart by id alone.
  static uint32_t ToolId(size_t index) { return static_cast<uint32_t>(index + 1); }

 private:
  void AddTool(size_t index);
  void SetPause(int& field, TooltipDelay which, int milliseconds);

  TooltipWindow& window_;
  bool loading_ = true;
  bool enabled_ = true;
  bool balloonTip_ = true;
  bool centerTip_ = false;
  int showPause_ = 500;
  int hidePause_ = 5000;
  int reshowPause_ = 100;
};
