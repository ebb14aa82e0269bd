#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include <gtest/gtest.h>

// Drives a modal dialog from inside its own message loop: a thread timer waits for a
// dialog of this thread with the caption to open, runs the action on it once, then waits
// for it to close. Only this thread's windows count, as other tests run their own dialogs
// on the same desktop. A dialog that does not open or does not close within the deadline
// fails the test with the windows the thread had, and is closed so that the test ends.
class DialogDriver {
 public:
  DialogDriver(std::string caption, std::function<void(HWND)> action, DWORD deadlineMs = 20000)
      : caption_(std::move(caption)), action_(std::move(action)), deadline_(GetTickCount() + deadlineMs) {
    timer_ = SetTimer(nullptr, 0, 50, OnTimer);
    drivers()[timer_] = this;
  }
  ~DialogDriver() {
    const bool stillWaiting = timer_ && !dialog_;  // a deadline passed has said so already
    Stop();
    EXPECT_FALSE(stillWaiting) << "no dialog \"" << caption_ << "\" opened";
  }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

 private:
  static std::map<UINT_PTR, DialogDriver*>& drivers() {
    static std::map<UINT_PTR, DialogDriver*> all;
    return all;
  }
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    const auto driver = drivers().find(id);
    if (driver != drivers().end()) driver->second->Tick();
  }

  void Tick() {
    if (!dialog_) {
      dialog_ = FindOwnDialog(caption_);
      if (dialog_) {
        action_(dialog_);
        return;
      }
    } else if (!IsWindow(dialog_)) {
      Stop();
      return;
    }
    if (static_cast<LONG>(GetTickCount() - deadline_) < 0) return;
    Stop();
    ADD_FAILURE() << "the dialog \"" << caption_ << "\" " << (dialog_ ? "did not close" : "did not open")
                  << " in time; the test's windows:" << OwnWindows();
    CloseOwnDialogs();
  }

  void Stop() {
    if (!timer_) return;
    KillTimer(nullptr, timer_);
    drivers().erase(timer_);
    timer_ = 0;
  }

  // Calls `visit` with each top-level window of this thread.
  template <typename Visit>
  static void ForEachOwnWindow(Visit visit) {
    EnumThreadWindows(GetCurrentThreadId(), VisitWindow<Visit>, reinterpret_cast<LPARAM>(&visit));
  }
  template <typename Visit>
  static BOOL CALLBACK VisitWindow(HWND window, LPARAM visit) {
    (*reinterpret_cast<Visit*>(visit))(window);
    return TRUE;
  }
  static std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
  }
  static std::string CaptionOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
  }

  static HWND FindOwnDialog(const std::string& caption) {
    HWND found = nullptr;
    ForEachOwnWindow([&](HWND w) {
      if (!found && ClassOf(w) == "#32770" && CaptionOf(w) == caption && IsWindowVisible(w)) found = w;
    });
    return found;
  }
  static std::string OwnWindows() {
    std::string seen;
    ForEachOwnWindow([&](HWND w) {
      seen += "\n  " + ClassOf(w) + " \"" + CaptionOf(w) + "\"" + (IsWindowVisible(w) ? "" : " (hidden)");
    });
    return seen.empty() ? " none" : seen;
  }
  static void CloseOwnDialogs() {
    ForEachOwnWindow([](HWND w) {
      if (ClassOf(w) == "#32770") EndDialog(w, IDCANCEL);
    });
  }

  std::string caption_;
  std::function<void(HWND)> action_;
  DWORD deadline_;
  UINT_PTR timer_ = 0;
  HWND dialog_ = nullptr;
};

inline void Press(HWND dialog, int id) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

inline bool HasChildText(HWND dialog, const char* text) { return FindWindowExA(dialog, nullptr, nullptr, text) != nullptr; }
