#include "app/button_tips.h"

ButtonTips ButtonTipsFor(ClockType t) {
  switch (t) {
    case ctCountdown: return {"Countdown to...", "Reset"};
    case ctUpTime: return {"", ""};
    case ctStopwatch: return {"Pause/Resume", "Reset"};
    case ctTimer: return {"Pause/Resume", "Set up Timer"};
    case ctClock:
    case ctAtomic:
    default: return {"Sync time", "See the time difference"};
  }
}

void AddButtonTools(TToolTipManager& manager, const TSknButton& left, const TSknButton& right) {
  manager.ToolTips.push_back(TToolTipItem{&left, "aaa", ""});
  manager.ToolTips.push_back(TToolTipItem{&right, "bbb", ""});
}

void ApplyButtonTips(TToolTipManager& manager, ClockType t) {
  const ButtonTips tips = ButtonTipsFor(t);
  manager.ToolTips.at(0).Description = tips.left;
  manager.ToolTips.at(1).Description = tips.right;
  manager.Update(0);
  manager.Update(1);
}
