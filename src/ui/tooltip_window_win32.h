#pragma once
#include <windows.h>

#include "ui/tooltip_manager.h"

// The common-controls tooltip window ("tooltips_class32") of one owner window. The tools
// subclass the owner, so the control sees the owner's mouse messages by itself.
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

 private:
  HWND owner_;
  HINSTANCE instance_;
  HWND window_ = nullptr;
};
