// Drives the modal dialogs this thread shows, found by a thread timer that
// runs inside their modal loops. Unlike a hook on activation it does not
// depend on the dialog becoming the foreground window, which other programs
// on the same display may prevent.
#pragma once

#include <windows.h>

#include <functional>
#include <set>

namespace testing_support {

class ModalDriver {
 public:
  // onDialog gets each new visible dialog of the thread once; it may open
  // further dialogs, which are then handled from their own modal loop.
  explicit ModalDriver(std::function<void(HWND)> onDialog) : onDialog_(std::move(onDialog)) {
    EnumThreadWindows(GetCurrentThreadId(), Mark, reinterpret_cast<LPARAM>(this));  // those open already
    current() = this;
    timer_ = SetTimer(nullptr, 0, 30, Tick);
  }
  ~ModalDriver() {
    KillTimer(nullptr, timer_);
    current() = nullptr;
  }
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

 private:
  static ModalDriver*& current() {
    thread_local ModalDriver* driver = nullptr;
    return driver;
  }
  static bool isDialog(HWND w) {
    wchar_t name[16] = {};
    GetClassNameW(w, name, 16);
    return lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(w);
  }
  static BOOL CALLBACK Mark(HWND w, LPARAM self) {
    if (isDialog(w)) reinterpret_cast<ModalDriver*>(self)->seen_.insert(w);
    return TRUE;
  }
  static BOOL CALLBACK Find(HWND w, LPARAM found) {
    ModalDriver* self = current();
    if (self == nullptr || !isDialog(w) || self->seen_.count(w) > 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    ModalDriver* self = current();
    if (self == nullptr) return;
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), Find, reinterpret_cast<LPARAM>(&found));
    if (found == nullptr) return;
    self->seen_.insert(found);
    self->onDialog_(found);
  }

  std::function<void(HWND)> onDialog_;
  std::set<HWND> seen_;
  UINT_PTR timer_ = 0;
};

}  // namespace testing_support
