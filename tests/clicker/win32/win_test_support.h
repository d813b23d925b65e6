#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "clicker/texts.h"
#include "clicker/win32/message_pump.h"

namespace clicker::win32::testing {

// Closes every message box titled 青禾温馨提示 as soon as it shows, from a
// thread of its own, and keeps the texts it saw.
class NoticeCloser {
 public:
  NoticeCloser() : thread_([this] { Run(); }) {}
  ~NoticeCloser() {
    stop_ = true;
    thread_.join();
  }
  std::vector<std::string> texts() {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
  }
  void clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    texts_.clear();
  }

 private:
  // A window's text asked for with a time limit: the boxes belong to the
  // test's own thread, and asking a thread that no longer serves its queue
  // (one waiting for this thread to end) would wait forever.
  static bool AskText(HWND window, std::string& text) {
    text.assign(4096, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 200, &copied)) {
      return false;
    }
    text.resize(static_cast<size_t>(copied));
    return true;
  }
  static BOOL CALLBACK Visit(HWND window, LPARAM self) {
    // The class name is read without a message; only dialogs are asked more.
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
    std::string title;
    if (!AskText(window, title) || title != texts::kNoticeTitle) return TRUE;
    auto* closer = reinterpret_cast<NoticeCloser*>(self);
    if (GetPropA(window, "Test_Seen") == nullptr) {
      std::string text;
      const HWND item = GetDlgItem(window, 0xFFFF);
      if (item == nullptr || !AskText(item, text)) return TRUE;
      SetPropA(window, "Test_Seen", reinterpret_cast<HANDLE>(1));
      std::lock_guard<std::mutex> lock(closer->mutex_);
      closer->texts_.push_back(text);
    }
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    return TRUE;
  }
  void Run() {
    while (!stop_) {
      EnumWindows(&NoticeCloser::Visit, reinterpret_cast<LPARAM>(this));
      Sleep(15);
    }
  }

  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::string> texts_;
  std::thread thread_;
};

// Dispatches messages for at least ms milliseconds.
inline void PumpFor(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  while (static_cast<LONG>(GetTickCount() - end) < 0) {
    PumpPending();
    Sleep(1);
  }
}

// Pumps until the condition holds or the time runs out; returns the condition.
template <typename Condition>
bool PumpUntil(Condition&& condition, int timeoutMs = 3000) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs);
  while (!condition()) {
    if (static_cast<LONG>(GetTickCount() - end) >= 0) return false;
    PumpPending();
    Sleep(1);
  }
  return true;
}

inline std::string TextOf(HWND window) {
  char buffer[512] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

}  // namespace clicker::win32::testing
