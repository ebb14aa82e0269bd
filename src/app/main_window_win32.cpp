#include "app/main_window_win32.h"

#include "app/bound_window_win32.h"
#include "app/button_tips.h"
#include "app/closing_steps.h"
#include "app/dialog_commands.h"
#include "app/popup_menu.h"
#include "app/popup_menu_win32.h"
#include "app/registry_storage_win32.h"
#include "app/run_key_win32.h"
#include "app/saved_zone.h"
#include "app/settings_placement_win32.h"
#include "app/settings_run_value.h"
#include "app/timer_form_settings_win32.h"
#include "base/error_box_win32.h"
#include "base/ormel_error.h"
#include "skin/folder_lister_win32.h"
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
const char kWindowClass[] = "TfrmMain";
const char kTitle[] = "Ormel Clock";
const char kTimeServer[] = "pool.ntp.org";

}  // namespace

TfrmMain::TfrmMain(HINSTANCE instance, const TQvRegistryTimeZones& zones)
    : instance_(instance),
      zones_(zones),
      worldTime_(zones, machineZone_),
      state_(clock_),
      skin_(SkinsRoot()),
      writer_(ShowErrorBox) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIcon(instance, MAKEINTRESOURCE(1));
  wc.lpszClassName = kWindowClass;
  RegisterClassExA(&wc);
  // The tool-window style keeps the clock off the task bar.
  hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, kTitle, WS_POPUP, 286, 171, 518, 339, nullptr,
                          nullptr, instance, this);
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
    auto* self = static_cast<TfrmMain*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    BindWindow(hwnd, self);
    self->hwnd_ = hwnd;
  }
  auto* self = BoundOwner<TfrmMain>(hwnd);
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  try {
    return self->HandleMessage(msg, wp, lp);
  } catch (const std::exception& e) {
    ShowErrorBox(e.what());
    return 0;
  }
}

LRESULT TfrmMain::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
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
      if (p.x == -1 && p.y == -1) GetCursorPos(&p);
      PopupMenuAt(p, hwnd_);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      FaceHitAreas areas = skin_.HitAreas();
      const MouseButton b = msg == WM_LBUTTONDOWN ? MouseButton::Left
                            : msg == WM_RBUTTONDOWN ? MouseButton::Right : MouseButton::Middle;
      FormMouseDown(state_, areas, *this, b, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
      return 0;
    }
    case WM_MOUSEMOVE: {
      FaceHitAreas areas = skin_.HitAreas();
      FormMouseMove(state_, areas, *this, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
      return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      // The release acts where the cursor is now, not where the event says.
      POINT p;
      GetCursorPos(&p);
      ScreenToClient(hwnd_, &p);
      FaceHitAreas areas = skin_.HitAreas();
      FormMouseUp(state_, areas, *this, p.x, p.y);
      return DefWindowProcA(hwnd_, msg, wp, lp);  // a right release goes on to the context menu
    }
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT && (state_.FTitleHot || state_.FHandsHot ||
                                     skin_.LeftButton().state == TSknButton::kHover ||
                                     skin_.RightButton().state == TSknButton::kHover)) {
        SetCursor(handCursor_);
        return TRUE;
      }
      return DefWindowProcA(hwnd_, msg, wp, lp);
    case WM_SHOWWINDOW:
      if (wp) FormShow();
      return DefWindowProcA(hwnd_, msg, wp, lp);
    case WM_CLOSE:
      FormClose();
      return 0;
    case WM_QUERYENDSESSION:
      SaveSettings(SettingsWriter::WhenRefused::StayQuiet);
      return TRUE;
    case WM_ENDSESSION:
      if (wp) EndSession();
      return 0;
    case WM_DESTROY:
      tray_.reset();  // out of the tray now; freed once no handler of its own runs
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
      return DefWindowProcA(hwnd_, msg, wp, lp);
  }
}

void TfrmMain::FormCreate() {
  const LONG_PTR ex = GetWindowLongPtrA(hwnd_, GWL_EXSTYLE);
  SetLastError(0);
  if (!SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, ex | WS_EX_LAYERED) && GetLastError() != 0) ShowLastErrorBox();

  state_.FSkinName = "royale";
  state_.FCountdownTo = clock_.Now();
  CreateToolTips();
  SetClockType(ctClock);
  state_.FFormatSettings = UserFormatSettings();
  handCursor_ = LoadCursor(nullptr, IDC_HAND);
  if (!handCursor_) handCursor_ = LoadCursor(nullptr, IDC_ARROW);
  network_ = std::make_unique<WinsockTransport>();  // a start-up failure ends the window's creation
  sntp_ = std::make_unique<TSntpClient>(*network_, sntpClock_);
  sntp_->Host = kTimeServer;
  sntp_->Port = 123;
  sntp_->ReceiveTimeout = 5000;
  sounds_ = std::make_unique<WindowSounds>(instance_, [this] { UpdateDisplay(); }, ShowErrorBox, ProgramFolder());
  BuildAccelerators();

  {
    RegistryStorage storage(kMainStorageKey);
    if (auto placement = RestoreMainForm(storage, state_, ReadWindowPlacement(hwnd_), *this))
      ApplyWindowPlacement(hwnd_, *placement);
  }
  ResolveSavedZone(zones_, state_);
  ScanSkinFolders();
  {
    const StartupSkin shown =
        LoadStartupSkin(state_.FSkinName, skinNames_, [this](const std::string& name) { LoadSkin(name); });
    state_.FSkinName = shown.name;
    if (!shown.problems.empty()) ShowErrorBox(shown.problems);
  }
  FitWindowToSkin();
  ToolTipManager1->Recreate();  // tool areas are taken when added: after the skin placed the buttons
  sounds_->Sounds().SetSkinChime(skin_.ChimePath());
  StartUpFade(fade_, Centre());
  StartFadeTimer();
  state_.FLastMinute = static_cast<int16_t>(DecodeDateTime(DisplayedTime()).minute);
  CreateTrayIcon();
  SetTimer(hwnd_, kTimer1, kTimer1Interval, nullptr);
}

void TfrmMain::FormShow() {
  SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(GetDesktopWindow()));
  OnTop1Click();
  SetForegroundWindow(hwnd_);
}

void TfrmMain::SaveSettings(SettingsWriter::WhenRefused whenRefused) {
  FormPlacement placement = ReadWindowPlacement(hwnd_);
  if (IsIconic(hwnd_)) placement.showCmd = 2;
  placement.normal = ShownRect(placement.normal, fade_, WindowVisible());
  RegistryStorage storage(kMainStorageKey);
  writer_.SaveMain(storage, state_, placement, whenRefused);
}

void TfrmMain::StartBeep() { sounds_->Sounds().StartBeep(); }
void TfrmMain::PlayChime() { sounds_->Sounds().PlayChime(); }
bool TfrmMain::BeepRunning() { return sounds_->Sounds().BeepSounding(); }
void TfrmMain::StopBeep() { sounds_->Sounds().StopBeep(); }

void TfrmMain::SyncTime() { SyncTimeCommand(state_, *sntp_, clock_, *this); }

void TfrmMain::SeeTimeDifference() { SeeTimeDifferenceCommand(state_, *sntp_, clock_, *this); }

void TfrmMain::LoadatStartup1Click() {
  RegistryStorage runParent(kRunKeyParent);
  writer_.UpdateRunValue(runParent, ProgramPath(), state_.options.loadAtStartup);
}

void TfrmMain::OpenCountdownDialog() {
  if (auto target = RunCountdownDialog(hwnd_, state_.FCountdownTo)) ApplyCountdownTarget(state_, *this, *target);
  UpdateDisplay();
}

void TfrmMain::OpenTimerDialog() {
  RegistryStorage storage(kTimerStorageKey);
  TimerFormSettings settings(storage);
  if (auto result = RunTimerDialog(hwnd_, state_.FTimerLength, settings)) {
    ApplyTimerDialog(state_, *this, *result);
    UpdateDisplay();
  }
}

void TfrmMain::WorldClock1Click() {
  if (auto choice = RunWorldClockDialog(hwnd_, zones_, state_.FTimeZoneId, state_.FClockLabel)) {
    ApplyWorldClock(state_, *this, zones_, *choice);
    UpdateDisplay();
  }
}

void TfrmMain::FormClose() {
  SaveSettings();
  if (BeginClosingFade(fade_)) {
    DestroyWindow(hwnd_);
    return;
  }
  StartFadeTimer();  // the close is refused for now; the fade's end asks again
}

// The session ends the process once this returns: the steps of "Exit", without its fade.
void TfrmMain::EndSession() {
  FoldRunningStopwatches(state_);
  SaveSettings(SettingsWriter::WhenRefused::StayQuiet);
}

ScreenPoint TfrmMain::Centre() const {
  RECT r;
  GetWindowRect(hwnd_, &r);
  return WindowCentre(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// The fade state's own calls mark it running; this only drives it.
void TfrmMain::StartFadeTimer() {
  SetTimer(hwnd_, kFadeTimer, kFadeTimerInterval, nullptr);
}

void TfrmMain::fadeTimerTimer() {
  // Until the first tick composes a frame there is nothing to scale.
  if (skin_.Frame().Empty()) return;
  const FadeStepResult r = FadeStep(fade_, skin_.Frame(), skin_.Zoom());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, r.constantAlpha, AC_SRC_ALPHA};
  SetWindowPos(hwnd_, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!presenter_.Present(hwnd_, POINT{r.left, r.top}, skin_.Zoom(), blend) && ShouldReportUpdateFailure(fade_))
    ShowLastErrorBox();
  if (r.stopTimer) {
    KillTimer(hwnd_, kFadeTimer);
    fade_.running = false;
  }
  if (r.redraw) UpdateDisplay();
  if (r.hideWindow) ShowWindow(hwnd_, SW_HIDE);
  if (r.closeAgain) PostMessageA(hwnd_, WM_CLOSE, 0, 0);
}

void TfrmMain::CreateTrayIcon() {
  IconHandle icon(static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(1), IMAGE_ICON, 16, 16, 0)));
  TTrayIcon::Events events;
  events.click = [this] { TrayIconClick(); };
  events.doubleClick = [this] { RunDefaultMenuItem(); };
  events.popup = [this] {
    // Whatever the active window was doing with the mouse ends before the menu opens.
    HWND active = GetActiveWindow();
    SendMessageA(active ? active : hwnd_, WM_CANCELMODE, 0, 0);
    POINT p;
    GetCursorPos(&p);
    PopupMenuAt(p, tray_->Window());
  };
  tray_ = std::make_unique<TTrayIcon>(instance_, std::move(icon), kTitle, std::move(events));
  tray_->Show();
}

void TfrmMain::RunDefaultMenuItem() {
  if (const int command = DefaultCommand(PopupMenuModel(state_, skinNames_))) FormCommand(command);
}

void TfrmMain::ShowHide1Click() { TrayIconClick(); }

void TfrmMain::TrayIconClick() {
  POINT cursor;
  GetCursorPos(&cursor);
  SetForegroundWindow(hwnd_);
  if (RequestHideShow(fade_, ScreenPoint{cursor.x, cursor.y}, WindowVisible(), Centre()))
    ShowWindow(hwnd_, SW_SHOWNORMAL);
  StartFadeTimer();
}

void TfrmMain::Timer1Timer() { ::Timer1Timer(state_, *this); }

TDateTime TfrmMain::DisplayedTime() { return worldTime_.DisplayedTime(state_.FTimeZoneId, clock_.Now()); }

void TfrmMain::ShowForAlarm() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_);
  ::ShowForAlarm(fade_);
  StartFadeTimer();
}

void TfrmMain::SetClockType(ClockType type) {
  state_.FClockType = type;
  if (ToolTipManager1) ApplyButtonTips(*ToolTipManager1, type);  // gone once the window is destroyed
}

void TfrmMain::CreateToolTips() {
  tooltipWindow_ = std::make_unique<TooltipWindowWin32>(hwnd_, instance_);
  ToolTipManager1 = std::make_unique<TToolTipManager>(*tooltipWindow_);
  AddButtonTools(*ToolTipManager1, skin_.LeftButton(), skin_.RightButton());
  ToolTipManager1->SetBalloonTip(false);
  ToolTipManager1->Loaded();
}

void TfrmMain::UpdateDisplay() {
  if (!WindowVisible()) return;
  RECT r;
  GetWindowRect(hwnd_, &r);
  skin_.Compose(state_, DisplayedTime(), UptimeMilliseconds(), BeepRunning());
  // While a fade runs, its next step presents the new frame.
  if (!fade_.running)
    presenter_.Present(hwnd_, POINT{r.left, r.top}, skin_.Frame(), BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
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
  SetClockType(static_cast<ClockType>(tag));
  UpdateDisplay();
}

void TfrmMain::OnTop1Click() {
  SetWindowPos(hwnd_, state_.options.onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TfrmMain::AMPM1Click() { UpdateDisplay(); }

void TfrmMain::Alarms1Click() {
  if (fAlarms_) fAlarms_->Show();
}

void TfrmMain::Exit1Click() {
  // A hidden clock goes back home first, so that the centre taken below, and with it every
  // save of this close, is the visible one.
  if (!WindowVisible()) {
    RECT r;
    GetWindowRect(hwnd_, &r);
    const FormRect home = ShownRect(FormRect{r.left, r.top, r.right, r.bottom}, fade_, false);
    SetWindowPos(hwnd_, nullptr, home.left, home.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  FoldRunningStopwatches(state_);
  SaveSettings();
  fade_.closeAfterFade = true;
  fade_.zoomOrigin = fade_.homeCenter = Centre();
  PostMessageA(hwnd_, WM_CLOSE, 0, 0);
}

void TfrmMain::ScanSkinFolders() {
  Win32FolderLister lister;
  skinNames_ = ScanSkins(lister, SkinsRoot());
}

// Throws, keeping the old skin, also when the window cannot present the new one's frames.
void TfrmMain::LoadSkin(const std::string& name) {
  skin_.Load(name, state_.FFormatSettings, [this](int w, int h) { return presenter_.Reserve(w, h); });
}

void TfrmMain::imnSkinsClick(size_t index) {
  if (index >= skinNames_.size()) return;
  LoadSkin(skinNames_[index]);
  state_.FSkinName = skinNames_[index];
  FitWindowToSkin();
  ToolTipManager1->Recreate();
  sounds_->Sounds().SetSkinChime(skin_.ChimePath());
  state_.FDrawKey = -1;
  UpdateDisplay();
}

void TfrmMain::FitWindowToSkin() {
  const TBitmap32& face = skin_.Frame();
  SetWindowPos(hwnd_, nullptr, 0, 0, face.width, face.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TfrmMain::SetHandCursor(bool hand) { SetCursor(hand ? handCursor_ : LoadCursor(nullptr, IDC_ARROW)); }

void TfrmMain::StartSystemDrag() {
  // Only a press-and-move drags: a plain hover must not start the system's move loop.
  if (GetKeyState(VK_LBUTTON) >= 0) return;
  ReleaseCapture();
  SendMessageA(hwnd_, WM_SYSCOMMAND, 61458, 0);
}

void TfrmMain::BuildAccelerators() {
  ACCEL keys[5];
  for (int i = 0; i < 5; ++i) keys[i] = ACCEL{FVIRTKEY, static_cast<WORD>('1' + i), static_cast<WORD>(cmdClock + i)};
  accel_.reset(CreateAcceleratorTableA(keys, 5));
}

void TfrmMain::PopupMenuAt(POINT screen, HWND owner) {
  if (const int command = ChoosePopupCommand(PopupMenuModel(state_, skinNames_), screen, owner))
    FormCommand(command);
}
