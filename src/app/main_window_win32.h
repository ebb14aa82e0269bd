#pragma once
#include <windows.h>

#include "app/clock_state.h"
#include "app/closing_steps.h"
#include "app/fade_driver.h"
#include "app/form_storage.h"
#include "app/frame_per_message.h"
#include "app/full_screen_watch_win32.h"
#include "app/mouse_commands.h"
#include "app/quiet_ticks.h"
#include "app/settings_writer.h"
#include "app/skin_window_win32.h"
#include "app/tray_icon_win32.h"
#include "base/handles_win32.h"
#include "skin/fade.h"
#include "time/local_clock_win32.h"
#include "time/sntp_client.h"
#include "time/system_time_win32.h"
#include "time/winsock_transport_win32.h"
#include "time/world_time.h"
#include "time/zone_list.h"
#include "ui/alarms_dialog_win32.h"
#include "ui/tooltip_manager.h"
#include "ui/tooltip_window_win32.h"
#include "ui/window_sounds_win32.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

// frmMain: the borderless per-pixel-alpha clock window. It turns window messages into the
// core's calls, and what the core decided into calls on the window.
class TfrmMain : private FaceCommands {
 public:
  // The zone list is the one read at program start; it outlives the window.
  TfrmMain(HINSTANCE instance, const TQvRegistryTimeZones& zones);
  ~TfrmMain() override;
  TfrmMain(const TfrmMain&) = delete;
  TfrmMain& operator=(const TfrmMain&) = delete;

  HWND Handle() const { return hwnd_; }
  HACCEL Accelerators() const { return accel_.get(); }
  // The alarms dialog, made after the main window; "Alarms..." shows it.
  void SetAlarmsForm(TfAlarms* form) { fAlarms_ = form; }
  // Start-up work that no frame needs, done once the first frame of the appearing fade is up.
  void AfterFirstFrame(std::function<void()> work) { afterFirstFrame_ = std::move(work); }

 private:
  TDateTime DisplayedTime();
  // Composes the face and presents it, unless the window is hidden or a fade presents it.
  void UpdateDisplay();
  // Also what the commands and the fade say; the face is composed once, at the end of the message.
  void FaceChanged() { frames_.FaceChanged(); }
  // The button tips say what the buttons do in the mode shown; the core changes the mode in
  // its state, and the tips follow once the message is handled.
  void KeepTipsWithMode();
  bool WindowVisible() { return IsWindowVisible(hwnd_) != FALSE; }
  FormRect WindowRect();

  // The face's mouse messages.
  void MouseDown(MouseButton button, int x, int y);
  void MouseMove(int x, int y, bool leftHeld);
  void MouseUp();
  void ShowMouseOutcome(const MouseOutcome& outcome);

  // FaceCommands
  void OpenCountdownDialog() override;
  void OpenTimerDialog() override;
  void SyncTime() override;
  void SeeTimeDifference() override;
  void WorldClock1Click();

  void LoadatStartup1Click();
  // The Run value written when `loadAtStartup`, else deleted; a refusal is said once.
  void UpdateRunValue(bool loadAtStartup);
  void OnTop1Click();
  // The topmost band when "On Top" is set and no full-screen program covers the clock's
  // monitor; beneath that program otherwise. `always` applies it also when nothing changed.
  void PlaceInBand(bool always);
  // Start-up and a change of monitors or work areas: the face is pulled into view.
  void KeepInView();

  // The fade.
  void BringToFront() { SetForegroundWindow(hwnd_); }
  void ShowNormally() { ShowWindow(hwnd_, SW_SHOWNORMAL); }
  void MoveWindowTo(int32_t left, int32_t top);
  void StartFadeTimer();
  // Countdown or timer end while hidden: shown normally, to the foreground, fading in.
  void RevealForAlarm();

  // The closing steps around the save of the settings.
  void CloseInSteps(std::optional<ScreenPoint> moveFirst, AfterClosingSave (*afterSave)(FadeState&));
  void SaveSettings(SettingsWriter::WhenRefused whenRefused);

  // Throws OrmelError naming the skin and what is wrong, also when the window cannot present
  // the new skin's frames; the skin shown stays then.
  void LoadSkin(const std::string& name);
  // The window takes the new face's size, the button tips their new places and the chime the
  // skin's own sound.
  void FitWindowToSkin();
  // The display scale skins are drawn at, with what depends on it.
  void UseDisplayScale(double scale);
  // WM_DPICHANGED: the clock redraws at the new monitor's scale around the same centre.
  void DpiChanged(double scale);

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  void FormCreate();
  void FormShow();
  void FormClose();
  void EndSession();
  void Timer1Timer();
  void StartBeep();
  void fadeTimerTimer();
  void ShowHide1Click();
  void TrayIconClick();
  void TrayIconPopup();
  void RunDefaultMenuItem();
  // The dialog that holds the clock, in front, where the user can finish or close it.
  void RaiseHoldingDialog();
  void CreateTrayIcon();
  void FormCommand(int command);
  void aClockExecute(int tag);
  void AMPM1Click();
  void Alarms1Click();
  void CreateToolTips();
  void Exit1Click();
  // Opens the popup menu with `owner` in the foreground and runs the chosen command.
  void PopupMenuAt(POINT screen, HWND owner);
  void imnSkinsClick(size_t index);

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  LocalWallClock clock_;
  const TQvRegistryTimeZones& zones_;
  WorldTime worldTime_;
  UptimeCounter uptime_;
  ClockState state_;
  QuietTicks quietTicks_;
  SkinWindow face_;
  HCURSOR handCursor_ = nullptr;  // shared by the system: never destroyed
  FadeState fade_;
  FramePerMessage frames_{[this] { UpdateDisplay(); }};
  SettingsWriter writer_;
  AccelHandle accel_;
  std::unique_ptr<TTrayIcon> tray_;
  std::unique_ptr<TooltipWindowWin32> tooltipWindow_;
  std::unique_ptr<TToolTipManager> ToolTipManager1;
  TfAlarms* fAlarms_ = nullptr;
  std::function<void()> afterFirstFrame_;
  std::unique_ptr<WindowSounds> sounds_;
  Win32SntpClock sntpClock_;
  std::unique_ptr<WinsockTransport> network_;
  std::unique_ptr<TSntpClient> sntp_;
  std::unique_ptr<FullScreenWatch> fullScreen_;
  bool asideForFullScreen_ = false;
  std::optional<ClockType> tipsMode_;  // none until the first tips are set
};
