#pragma once
#include <windows.h>

#include "ui/tooltip_manager.h"

// The common-controls tooltip window ("tooltips_class32") of one owner window. The owner
// hands its mouse messages on (RelayMouse): tools that subclassed it would cost every one of
// its messages, the 100 ms tick's too, a property lookup in Wine's server.
class TooltipWindowWin32 : public TooltipWindow {
 public:
  TooltipWindowWin32(HWND owner, HINSTANCE instance) : owner_(owner), instance_(instance) {}
  ~TooltipWindowWin32() override { Destroy(); }
  TooltipWindowWin32(const TooltipWindowWin32&) = delete;
  TooltipWindowWin32& operator=(const TooltipWindowWin32&) = delete;

  HWND Handle() const { return window_; }

  bool Exists() const override { return window_ != nullptr; }
  bool Create(bool balloon) override;
  void Destroy() override;
  bool AddTool(const ToolRegistration& tool) override;
  void RemoveTool(uint32_t id) override;
  void SetDelay(TooltipDelay which, int milliseconds) override;
  void ReportAddFailure() override;
  // Hands one of the owner's messages to the control, which needs its mouse messages to
  // show and hide the tips; others are ignored.
  void RelayMouse(UINT msg, WPARAM wp, LPARAM lp);

 private:
  HWND owner_;
  HINSTANCE instance_;
  HWND window_ = nullptr;
};
