#include "ui/win32/subclass.h"

#include <cstddef>
#include <unordered_map>
#include <vector>

namespace ui {

namespace {

struct Hook {
  SubclassHook proc;
  UINT_PTR id;
  DWORD_PTR data;
};

struct Hooked {
  WNDPROC original = nullptr;
  std::vector<Hook> hooks;  // in the order they were added
  int depth = 0;            // messages of the window being handled, nested
};

// Windows are made and used by the one thread of the interface.
std::unordered_map<HWND, Hooked>& hookedWindows() {
  static std::unordered_map<HWND, Hooked> windows;
  return windows;
}

// One per message being handled: the window and how many of its hooks are
// still to come.
struct Frame {
  HWND window;
  std::size_t next;
};

std::vector<Frame>& frames() {
  static std::vector<Frame> stack;
  return stack;
}

Hooked* hookedOf(HWND window) {
  auto it = hookedWindows().find(window);
  return it == hookedWindows().end() ? nullptr : &it->second;
}

LRESULT CALLBACK Dispatch(HWND window, UINT msg, WPARAM wp, LPARAM lp);

// The next hook of the innermost message, or the control itself.
LRESULT runNext(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  Hooked* hooked = hookedOf(window);
  if (hooked == nullptr) return DefWindowProcW(window, msg, wp, lp);
  const std::size_t at = frames().size() - 1;
  if (frames()[at].next > 0) {
    // A copy: the hook may add hooks, which moves the list.
    const Hook hook = hooked->hooks[--frames()[at].next];
    return hook.proc(window, msg, wp, lp, hook.id, hook.data);
  }
  return CallWindowProcW(hooked->original, window, msg, wp, lp);
}

// After the last message of a destroyed window: the window procedure goes
// back to the control's own, unless someone hooked in after us.
void forget(HWND window, WNDPROC original) {
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == Dispatch)
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  hookedWindows().erase(window);
}

LRESULT CALLBACK Dispatch(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  Hooked* hooked = hookedOf(window);
  if (hooked == nullptr) return DefWindowProcW(window, msg, wp, lp);
  ++hooked->depth;
  frames().push_back({window, hooked->hooks.size()});
  struct Pop {
    HWND window;
    UINT msg;
    ~Pop() {
      frames().pop_back();
      Hooked* h = hookedOf(window);
      if (h != nullptr && --h->depth == 0 && msg == WM_NCDESTROY) forget(window, h->original);
    }
  } pop{window, msg};
  return runNext(window, msg, wp, lp);
}

}  // namespace

bool Subclass(HWND control, SubclassHook hook, UINT_PTR id, DWORD_PTR data) {
  if (control == nullptr || !IsWindow(control)) return false;
  Hooked* hooked = hookedOf(control);
  if (hooked == nullptr) {
    auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC));
    if (original == nullptr) return false;
    hooked = &hookedWindows()[control];
    hooked->original = original;
    if (SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Dispatch)) == 0) {
      hookedWindows().erase(control);
      return false;
    }
  }
  for (Hook& h : hooked->hooks)
    if (h.proc == hook && h.id == id) {
      h.data = data;
      return true;
    }
  hooked->hooks.push_back({hook, id, data});
  return true;
}

bool FindSubclass(HWND control, SubclassHook hook, UINT_PTR id, DWORD_PTR* data) {
  if (Hooked* hooked = hookedOf(control))
    for (const Hook& h : hooked->hooks)
      if (h.proc == hook && h.id == id) {
        if (data != nullptr) *data = h.data;
        return true;
      }
  return false;
}

LRESULT CallNextHook(HWND control, UINT msg, WPARAM wp, LPARAM lp) {
  if (frames().empty() || frames().back().window != control) {
    Hooked* hooked = hookedOf(control);
    return hooked != nullptr ? CallWindowProcW(hooked->original, control, msg, wp, lp)
                             : DefWindowProcW(control, msg, wp, lp);
  }
  // A hook may hand one message on more than once; each time from its place.
  const std::size_t at = frames().size() - 1;
  const std::size_t place = frames()[at].next;
  const LRESULT result = runNext(control, msg, wp, lp);
  frames()[at].next = place;
  return result;
}

}  // namespace ui
