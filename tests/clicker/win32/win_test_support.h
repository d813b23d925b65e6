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
  static BOOL CALLBACK Visit(HWND window, LPARAM self) {
    char title[64] = {};
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (std::string(className) != "#32770" || std::string(title) != texts::kNoticeTitle ||
        !IsWindowVisible(window)) {
      return TRUE;
    }
    auto* closer = reinterpret_cast<NoticeCloser*>(self);
    if (GetPropA(window, "Test_Seen") == nullptr) {
      SetPropA(window, "Test_Seen", reinterpret_cast<HANDLE>(1));
      std::string text(4096, '\0');
      text.resize(static_cast<size_t>(GetDlgItemTextA(window, 0xFFFF, text.data(), 4096)));
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
