#include "app/main_window_win32.h"

#include "app/bound_window_win32.h"
#include "app/button_tips.h"
#include "app/clock_tick.h"
#include "app/closing_steps.h"
#include "app/form_storage_win32.h"
#include "app/menu_commands.h"
#include "app/network_time_commands.h"
#include "app/popup_menu.h"
#include "app/popup_menu_win32.h"
#include "app/registry_storage_win32.h"
#include "app/resource_ids.h"
#include "app/screen_fit.h"
#include "app/settings_placement_win32.h"
#include "base/display_scale.h"
#include "base/error_box_win32.h"
#include "base/ormel_error.h"
#include "base/wide_text_win32.h"
#include "base/window_scale_win32.h"
#include "skin/skin_scan.h"
#include "time/countdown_dialog_win32.h"
#include "time/locale_win32.h"
#include "time/timer_dialog_win32.h"
#include "time/world_clock_dialog_win32.h"
#include "ui/about_page_win32.h"
#include "ui/program_folder_win32.h"

namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 100;
constexpr UINT_PTR kFadeTimer = 2;
constexpr UINT kFadeTimerInterval = 10;
const wchar_t kWindowClass[] = L"TfrmMain";
const char kTitle[] = "Ormel Clock";
// The window as designed; the first skin load gives it the face's size, and a restored
// position keeps this size until then.
constexpr int kDesignLeft = 286, kDesignTop = 171, kDesignWidth = 518, kDesignHeight = 339;
// The system's move loop as a press on the caption starts it: the window follows the mouse.
constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;
// Sent when the window moves to a monitor of another scale (Windows 8.1 on; not in every
// header set).
constexpr UINT kDpiChanged = 0x02E0;
// Posted by the full-screen watch: the foreground window changed, or changed its place.
constexpr UINT kForegroundChanged = WM_APP + 1;

// A context menu asked for from the keyboard comes without a mouse position.
constexpr short kNoMousePosition = -1;

}  // namespace

TfrmMain::TfrmMain(HINSTANCE instance, const TQvRegistryTimeZones& zones)
    : instance_(instance),
      zones_(zones),
      worldTime_(zones),
      state_(clock_),
      writer_(ShowErrorBox) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIcon(instance, MAKEINTRESOURCE(IDI_ORMEL_CLOCK));
  wc.lpszClassName = kWindowClass;
  RegisterClassExW(&wc);
  // The tool-window style keeps the clock off the task bar.
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, Wide(kTitle).c_str(), WS_POPUP, kDesignLeft, kDesignTop, kDesignWidth,
                          kDesignHeight, nullptr, nullptr, instance, this);
  if (!hwnd_) throw OrmelError(LastErrorText());
  try {
    FormCreate();
  } catch (...) {
    // The half-made clock is freed as the exception leaves: its window must not reach it again.
    UnbindAndDestroyWindow(hwnd_);
    hwnd_ = nullptr;
    throw;
  }
}

TfrmMain::~TfrmMain() {
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK TfrmMain::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<TfrmMain*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    BindWindow(hwnd, self);
    self->hwnd_ = hwnd;
  }
  auto* self = BoundOwner<TfrmMain>(hwnd);
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  try {
    LRESULT result = 0;
    self->frames_.Handle([&] { result = self->HandleMessage(msg, wp, lp); });
    self->KeepTipsWithMode();
    return result;
  } catch (const std::exception& e) {
    self->KeepTipsWithMode();  // a command that failed may have switched the mode first
    ShowErrorBox(e.what());
    return 0;
  }
}

LRESULT TfrmMain::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // The tips see a mouse message before the clock acts on it, which may start a drag.
  if (tooltipWindow_) tooltipWindow_->RelayMouse(msg, wp, lp);
  switch (msg) {
    case WM_TIMER:
      if (wp == kTimer1) Timer1Timer();
      else if (wp == kFadeTimer) fadeTimerTimer();
      return 0;
    case WM_COMMAND:
      FormCommand(LOWORD(wp));
      return 0;
    case WM_CONTEXTMENU: {
      POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      if (p.x == kNoMousePosition && p.y == kNoMousePosition) GetCursorPos(&p);
      PopupMenuAt(p, hwnd_);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      const MouseButton b = msg == WM_LBUTTONDOWN ? MouseButton::Left
                            : msg == WM_RBUTTONDOWN ? MouseButton::Right : MouseButton::Middle;
      MouseDown(b, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
      return 0;
    }
    case WM_MOUSEMOVE:
      MouseMove(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)), (wp & MK_LBUTTON) != 0);
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      MouseUp();
      frames_.ComposeChanged();  // the released button shows before a right release opens the context menu
      return DefWindowProcW(hwnd_, msg, wp, lp);  // a right release goes on to the context menu
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT && ShowsHandCursor(state_, face_.Skin().HitAreas())) {
        SetCursor(handCursor_);
        return TRUE;
      }
      return DefWindowProcW(hwnd_, msg, wp, lp);
    case WM_SETTINGCHANGE:
      clock_.ZoneMayHaveChanged();
      quietTicks_.Forget();
      if (wp == SPI_SETWORKAREA) KeepInView();
      return DefWindowProcW(hwnd_, msg, wp, lp);
    case WM_TIMECHANGE:  // also when the zone was changed
      clock_.ZoneMayHaveChanged();
      quietTicks_.Forget();
      return 0;
    case WM_DISPLAYCHANGE:
      KeepInView();
      PlaceInBand(false);
      return DefWindowProcW(hwnd_, msg, wp, lp);
    case kForegroundChanged:
      PlaceInBand(false);
      return 0;
    case WM_ACTIVATEAPP:
      if (fullScreen_) fullScreen_->OwnForeground(wp != FALSE);
      return DefWindowProcW(hwnd_, msg, wp, lp);
    case WM_EXITSIZEMOVE:  // dragged, perhaps onto another monitor
      PlaceInBand(false);
      return DefWindowProcW(hwnd_, msg, wp, lp);
    case WM_SHOWWINDOW:
      if (wp) FormShow();
      return DefWindowProcW(hwnd_, msg, wp, lp);
    case WM_CLOSE:
      FormClose();
      return 0;
    case kDpiChanged:
      DpiChanged(ScaleOfDpi(LOWORD(wp)));
      return 0;
    case WM_QUERYENDSESSION:
      SaveSettings(SettingsWriter::WhenRefused::StayQuiet);
      return TRUE;
    case WM_ENDSESSION:
      if (wp) EndSession();
      return 0;
    case WM_DESTROY:
      tray_.reset();  // out of the tray now; freed once no handler of its own runs
      fullScreen_.reset();
      ToolTipManager1.reset();
      tooltipWindow_.reset();
      KillTimer(hwnd_, kTimer1);
      KillTimer(hwnd_, kFadeTimer);
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      hwnd_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

void TfrmMain::FormCreate() {
  const LONG_PTR ex = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
  SetLastError(0);
  if (!SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, ex | WS_EX_LAYERED) && GetLastError() != 0) ShowLastErrorBox();

  state_.FSkinName = kDefaultSkin;
  state_.FCountdownTo = clock_.Now();
  CreateToolTips();
  SetClockType(state_, ctClock);
  state_.FFormatSettings = UserFormatSettings();
  handCursor_ = LoadCursor(nullptr, IDC_HAND);
  if (!handCursor_) handCursor_ = LoadCursor(nullptr, IDC_ARROW);
  network_ = std::make_unique<WinsockTransport>();  // a start-up failure ends the window's creation
  sntp_ = std::make_unique<TSntpClient>(*network_, sntpClock_);
  AimAtTimeServer(*sntp_);
  sounds_ = std::make_unique<WindowSounds>(instance_, [this] { FaceChanged(); }, ShowErrorBox, ProgramFolder());
  accel_ = BuildModeShortcuts();

  {
    RegistryStorage storage(kMainStorageKey);
    const MainFormRestore restore = RestoreMainForm(storage, state_, ReadWindowPlacement(hwnd_));
    UpdateRunValue(restore.loadAtStartup);
    OnTop1Click();
    if (restore.placement) ApplyWindowPlacement(hwnd_, *restore.placement);
  }
  ResolveSavedZone(zones_, state_);
  UseDisplayScale(WindowScale(hwnd_));  // of the monitor the restored place is on
  face_.ScanSkinFolders();
  const std::string problems =
      ShowStartupSkin(state_, face_.SkinNames(), [this](const std::string& name) { LoadSkin(name); });
  if (!problems.empty()) ShowErrorBox(problems);
  FitWindowToSkin();
  StartUpFade(fade_, WindowCentre(WindowRect()));
  StartFadeTimer();
  KeepInView();
  fullScreen_ = std::make_unique<FullScreenWatch>(hwnd_, kForegroundChanged);
  state_.FLastMinute = static_cast<int16_t>(DecodeDateTime(DisplayedTime()).minute);
  CreateTrayIcon();
  KeepTipsWithMode();
  SetTimer(hwnd_, kTimer1, kTimer1Interval, nullptr);
}

void TfrmMain::FormShow() {
  SetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(GetDesktopWindow()));
  OnTop1Click();
  SetForegroundWindow(hwnd_);
}

void TfrmMain::SaveSettings(SettingsWriter::WhenRefused whenRefused) {
  const FormPlacement placement =
      PlacementToSave(ReadWindowPlacement(hwnd_), IsIconic(hwnd_) != FALSE, fade_, WindowVisible());
  RegistryStorage storage(kMainStorageKey);
  writer_.SaveMain(storage, state_, placement, whenRefused);
}

void TfrmMain::StartBeep() { sounds_->Sounds().StartBeep(); }

void TfrmMain::SyncTime() { SyncTimeCommand(state_, *sntp_, clock_); }

void TfrmMain::SeeTimeDifference() { SeeTimeDifferenceCommand(state_, *sntp_, clock_); }

void TfrmMain::LoadatStartup1Click() { UpdateRunValue(state_.options.loadAtStartup); }

void TfrmMain::UpdateRunValue(bool loadAtStartup) {
  RegistryStorage runParent(kRunKeyParent);
  writer_.UpdateRunValue(runParent, ProgramPath(), loadAtStartup);
}

void TfrmMain::OpenCountdownDialog() {
  if (auto target = RunCountdownDialog(hwnd_, state_.FCountdownTo)) ApplyCountdownTarget(state_, *target);
  FaceChanged();
}

void TfrmMain::OpenTimerDialog() {
  RegistryStorage storage(kTimerStorageKey);
  TimerFormSettings settings(storage);
  if (auto result = RunTimerDialog(hwnd_, state_.FTimerLength, settings)) {
    ApplyTimerDialog(state_, *result);
    FaceChanged();
  }
}

void TfrmMain::WorldClock1Click() {
  if (auto choice = RunWorldClockDialog(hwnd_, zones_, state_.FTimeZoneId, state_.FClockLabel)) {
    ApplyWorldClock(state_, zones_, *choice);
    FaceChanged();
  }
}

void TfrmMain::Exit1Click() { CloseInSteps(BeforeExitSave(state_, fade_, WindowVisible(), WindowRect()), AfterExitSave); }

void TfrmMain::FormClose() { CloseInSteps(BeforeCloseSave(state_, fade_, WindowVisible(), WindowRect()), AfterCloseSave); }

void TfrmMain::CloseInSteps(std::optional<ScreenPoint> moveFirst, AfterClosingSave (*afterSave)(FadeState&)) {
  if (moveFirst) MoveWindowTo(moveFirst->x, moveFirst->y);
  SaveSettings(SettingsWriter::WhenRefused::ShowOnce);
  switch (afterSave(fade_)) {
    case AfterClosingSave::AskToClose: PostMessageW(hwnd_, WM_CLOSE, 0, 0); break;
    case AfterClosingSave::FreeWindow: DestroyWindow(hwnd_); break;
    case AfterClosingSave::StartFadeTimer: StartFadeTimer(); break;
  }
}

// The session ends the process once this returns: no fade, and a refused save is not shown.
void TfrmMain::EndSession() {
  FoldRunningStopwatches(state_);
  SaveSettings(SettingsWriter::WhenRefused::StayQuiet);
}

FormRect TfrmMain::WindowRect() {
  RECT r;
  GetWindowRect(hwnd_, &r);
  return FormRect{r.left, r.top, r.right, r.bottom};
}


void TfrmMain::MoveWindowTo(int32_t left, int32_t top) {
  SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TfrmMain::StartFadeTimer() { SetTimer(hwnd_, kFadeTimer, kFadeTimerInterval, nullptr); }

void TfrmMain::fadeTimerTimer() {
  const FadeTimerOutcome step =
      FadeTimerStep(fade_, face_.Skin().Frame(), face_.Skin().Zoom(), [this](int32_t left, int32_t top, uint8_t alpha) {
        MoveWindowTo(left, top);
        return face_.PresentZoom(hwnd_, left, top, alpha);
      });
  if (step.reportFailure) ShowLastErrorBox();
  if (step.stopTimer) KillTimer(hwnd_, kFadeTimer);
  if (step.redraw) FaceChanged();
  if (step.hideWindow) ShowWindow(hwnd_, SW_HIDE);
  if (step.closeAgain) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
  if (!afterFirstFrame_) return;
  const std::function<void()> work = std::move(afterFirstFrame_);
  afterFirstFrame_ = nullptr;
  work();
}

void TfrmMain::CreateTrayIcon() {
  TTrayIcon::Events events;
  events.click = [this] { TrayIconClick(); };
  events.doubleClick = [this] { RunDefaultMenuItem(); };
  events.popup = [this] { TrayIconPopup(); };
  // A modal dialog disables the clock's window while it runs.
  events.held = [this] { return IsWindowEnabled(hwnd_) == FALSE; };
  events.raiseDialog = [this] { RaiseHoldingDialog(); };
  tray_ = CreateClockTrayIcon(instance_, kTitle, std::move(events));
  tray_->Show();
}

void TfrmMain::TrayIconPopup() {
  CancelMouseModes(hwnd_);
  POINT p;
  GetCursorPos(&p);
  // The tray's window takes the foreground back once its menu has closed: the command runs
  // after that, so that the window it shows keeps the keyboard.
  if (const int command = ChoosePopupCommand(PopupMenuModel(state_, face_.SkinNames()), p, tray_->Window()))
    PostMessageW(hwnd_, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

void TfrmMain::RunDefaultMenuItem() {
  if (const int command = DefaultCommand(PopupMenuModel(state_, face_.SkinNames()))) FormCommand(command);
}

void TfrmMain::RaiseHoldingDialog() {
  const HWND dialog = GetLastActivePopup(hwnd_);
  if (dialog != hwnd_ && IsWindowEnabled(dialog)) SetForegroundWindow(dialog);
}

void TfrmMain::ShowHide1Click() { TrayIconClick(); }

// A shown clock shrinks toward the cursor, a hidden one is shown and grows from it.
void TfrmMain::TrayIconClick() {
  POINT cursor;
  GetCursorPos(&cursor);
  BringToFront();
  if (RequestHideShow(fade_, {cursor.x, cursor.y}, WindowVisible(), WindowCentre(WindowRect()))) ShowNormally();
  StartFadeTimer();
}

void TfrmMain::Timer1Timer() {
  const uint64_t uptimeMs = uptime_.Milliseconds();
  if (!quietTicks_.Quiet(state_, uptimeMs)) {
    const TickOutcome tick = ClockTick(state_, {DisplayedTime(), uptimeMs});
    quietTicks_.Saw(state_, tick.quietMs, uptimeMs);
    // The first alarm reveals a hidden clock; a second one of the same tick finds it shown.
    if (tick.beeps > 0 && !WindowVisible()) RevealForAlarm();
    for (int i = 0; i < tick.beeps; ++i) StartBeep();
    if (tick.chime) sounds_->Sounds().PlayChime();
    if (tick.faceChanged) FaceChanged();
  }
  if (fullScreen_) fullScreen_->Tick();
}

TDateTime TfrmMain::DisplayedTime() { return worldTime_.DisplayedTime(state_.FTimeZoneId, clock_); }

void TfrmMain::RevealForAlarm() {
  ShowNormally();
  BringToFront();
  ShowForAlarm(fade_);
  StartFadeTimer();
}

void TfrmMain::KeepTipsWithMode() {
  if (!ToolTipManager1 || tipsMode_ == state_.FClockType) return;  // the tips are gone once the window is destroyed
  ApplyButtonTips(*ToolTipManager1, state_.FClockType);
  tipsMode_ = state_.FClockType;
}

void TfrmMain::CreateToolTips() {
  tooltipWindow_ = std::make_unique<TooltipWindowWin32>(hwnd_, instance_);
  ToolTipManager1 = std::make_unique<TToolTipManager>(*tooltipWindow_);
  AddButtonTools(*ToolTipManager1, face_.Skin().LeftButton(), face_.Skin().RightButton());
  ToolTipManager1->SetBalloonTip(false);
  ToolTipManager1->Loaded();
}

void TfrmMain::UpdateDisplay() {
  const FrameUpdate update = FrameUpdateFor(fade_, WindowVisible());
  if (update == FrameUpdate::None) return;
  face_.Skin().Compose(state_, DisplayedTime(), uptime_.Milliseconds(), sounds_->Sounds().BeepSounding());
  if (update == FrameUpdate::ComposeAndPresent) face_.PresentFrame(hwnd_);
}

void TfrmMain::FormCommand(int command) {
  if (command >= cmdFirstSkin) return imnSkinsClick(static_cast<size_t>(command - cmdFirstSkin));
  if (IsModeCommand(command)) return aClockExecute(ModeTag(command));
  if (bool* option = OptionOf(state_.options, command)) *option = !*option;  // the Settings items check themselves
  switch (command) {
    case cmdOnTop: OnTop1Click(); break;
    case cmdAmPm: AMPM1Click(); break;
    case cmdExit: Exit1Click(); break;
    case cmdShowHide: ShowHide1Click(); break;
    case cmdAbout: About1Click(); break;
    case cmdLoadAtStartup: LoadatStartup1Click(); break;
    case cmdCountdownDialog: OpenCountdownDialog(); break;
    case cmdAlarms: Alarms1Click(); break;
    case cmdTimerDialog: OpenTimerDialog(); break;
    case cmdWorldClock: WorldClock1Click(); break;
    default: break;
  }
}

void TfrmMain::aClockExecute(int tag) {
  SetClockType(state_, static_cast<ClockType>(tag));
  FaceChanged();
}

void TfrmMain::OnTop1Click() { PlaceInBand(true); }

void TfrmMain::PlaceInBand(bool always) {
  const bool aside =
      state_.options.onTop && StepsAsideForFullScreen(FullScreenWatch::Foreground(hwnd_), FullScreenWatch::Shell(),
                                                      ShownRect(WindowRect(), fade_, WindowVisible()), MonitorAreas());
  if (!always && aside == asideForFullScreen_) return;
  asideForFullScreen_ = aside;
  constexpr UINT kBandOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  SetWindowPos(hwnd_, state_.options.onTop && !aside ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kBandOnly);
  // Leaving the topmost band puts the clock at the top of the normal one, above a
  // full-screen program that is not topmost itself: it goes beneath that program instead.
  const HWND program = GetForegroundWindow();
  if (aside && !(GetWindowLongPtrW(program, GWL_EXSTYLE) & WS_EX_TOPMOST))
    SetWindowPos(hwnd_, program, 0, 0, 0, 0, kBandOnly);
}

void TfrmMain::KeepInView() {
  if (const auto move = PullIntoView(fade_, WindowVisible(), WindowRect(), MonitorAreas())) MoveWindowTo(move->x, move->y);
}

void TfrmMain::AMPM1Click() { FaceChanged(); }

void TfrmMain::Alarms1Click() {
  if (fAlarms_) fAlarms_->Show();
}

void TfrmMain::imnSkinsClick(size_t index) {
  if (!ShowSkinOfItem(state_, face_.SkinNames(), index, [this](const std::string& name) { LoadSkin(name); })) return;
  FitWindowToSkin();
  FaceChanged();
}

// Throws, keeping the old skin, also when the window cannot present the new one's frames.
void TfrmMain::LoadSkin(const std::string& name) { face_.LoadSkin(name, state_.FFormatSettings); }

void TfrmMain::UseDisplayScale(double scale) {
  face_.SetScale(scale);
  fade_.minImageSize = ScaledLength(kMinFadeImageSize, scale);
}

void TfrmMain::DpiChanged(double scale) {
  face_.Rescale(hwnd_, scale);
  UseDisplayScale(scale);
  ToolTipManager1->Recreate();  // the buttons moved with the scale
  FaceChanged();
}

void TfrmMain::FitWindowToSkin() {
  face_.FitWindowToSkin(hwnd_);
  ToolTipManager1->Recreate();  // tool areas are taken when added: after the skin placed the buttons
  sounds_->Sounds().SetSkinChime(face_.Skin().ChimePath());
}

void TfrmMain::MouseDown(MouseButton button, int x, int y) {
  FaceHitAreas areas = face_.Skin().HitAreas();
  ShowMouseOutcome(FormMouseDown(state_, areas, button, x, y, sounds_->Sounds().BeepSounding()));
}

void TfrmMain::MouseMove(int x, int y, bool leftHeld) {
  FaceHitAreas areas = face_.Skin().HitAreas();
  ShowMouseOutcome(FormMouseMove(state_, areas, x, y, leftHeld));
}

// The release acts where the cursor is now, not where the event says.
void TfrmMain::MouseUp() {
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(hwnd_, &p);
  FaceHitAreas areas = face_.Skin().HitAreas();
  ShowMouseOutcome(FormMouseUp(state_, areas, *this, p.x, p.y, DisplayedTime()));
}

void TfrmMain::ShowMouseOutcome(const MouseOutcome& outcome) {
  if (outcome.stopBeep) sounds_->Sounds().StopBeep();
  if (outcome.handCursor) SetCursor(*outcome.handCursor ? handCursor_ : LoadCursor(nullptr, IDC_ARROW));
  if (outcome.startDrag) {
    ReleaseCapture();
    SendMessageW(hwnd_, WM_SYSCOMMAND, kMoveByCaption, 0);  // returns once the window has been dropped
  }
  if (outcome.faceChanged) FaceChanged();
}

void TfrmMain::PopupMenuAt(POINT screen, HWND owner) {
  if (const int command = ChoosePopupCommand(PopupMenuModel(state_, face_.SkinNames()), screen, owner))
    FormCommand(command);
}
