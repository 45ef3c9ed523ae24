#include "win32/view_driver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "platform/win32/wide.h"
#include "ui/win32/dialog.h"

namespace testing_support {

void pump() {
  MSG msg;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (ui::Dialog::PreTranslate(&msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

namespace {

struct Search {
  std::string text;
  HWND found = nullptr;
};

// A caption as shown: "&" marks the access key, "&&" stands for "&".
std::string shownText(const std::string& caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && ++i == caption.size()) break;
    out += caption[i];
  }
  return out;
}

BOOL CALLBACK byText(HWND child, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  std::string text = ui::WindowText(child);
  if (text == s->text || (s->text.find('&') == std::string::npos && shownText(text) == s->text)) {
    s->found = child;
    return FALSE;
  }
  return TRUE;
}

bool usable(HWND control) {
  if (control == nullptr) {
    ADD_FAILURE() << "no such control";
    return false;
  }
  if (!IsWindowVisible(control) || !IsWindowEnabled(control)) {
    ADD_FAILURE() << "control '" << textOf(control) << "' is hidden or disabled";
    return false;
  }
  // A window that a modal one has disabled takes no input in any control.
  if (!IsWindowEnabled(GetAncestor(control, GA_ROOT))) {
    ADD_FAILURE() << "the window of control '" << textOf(control) << "' is disabled";
    return false;
  }
  return true;
}

void notifyParent(HWND control, int code) {
  SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

std::wstring className(HWND w) {
  wchar_t name[64] = {};
  GetClassNameW(w, name, 64);
  return name;
}

}  // namespace

HWND findByText(HWND dialog, const std::string& text) {
  Search s{text};
  EnumChildWindows(dialog, byText, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND fieldOf(HWND dialog, const std::string& label) {
  HWND l = findByText(dialog, label);
  if (l == nullptr) return nullptr;
  RECT lr;
  GetWindowRect(l, &lr);
  HWND best = nullptr;
  long bestDistance = 1 << 30;
  for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    std::wstring cls = className(c);
    if (c == l || cls == L"Static" || cls == L"Button") continue;
    if (IsWindowVisible(l) && !IsWindowVisible(c)) continue;  // a hidden group's field is no neighbour
    RECT r;
    GetWindowRect(c, &r);
    long mid = (r.top + r.bottom) / 2;
    bool right = r.left >= lr.right - 2 && mid >= lr.top - 4 && mid <= lr.bottom + 4;
    bool below = r.top >= lr.bottom - 2 && r.left < lr.right && r.right > lr.left;
    if (!right && !below) continue;
    long distance = right ? r.left - lr.right : (r.top - lr.bottom) * 4;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = c;
    }
  }
  return best;
}

void click(HWND dialog, int id) { click(GetDlgItem(dialog, id)); }

void click(HWND control) {
  if (!usable(control)) return;
  std::wstring cls = className(control);
  LONG style = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  if (cls == L"Button" &&
      (style == BS_AUTOCHECKBOX || style == BS_AUTO3STATE || style == BS_AUTORADIOBUTTON)) {
    SendMessageW(control, BM_CLICK, 0, 0);  // toggles and notifies
  } else {
    notifyParent(control, BN_CLICKED);
  }
  pump();
}

void type(HWND dialog, int id, const std::string& text) {
  HWND edit = GetDlgItem(dialog, id);
  if (!usable(edit)) return;
  ui::SetWindowTextCp(edit, text);
  pump();
}

void setCheck(HWND dialog, int id, bool checked) {
  HWND box = GetDlgItem(dialog, id);
  if (!usable(box)) return;
  bool now = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
  if (now != checked) click(box);
}

void choose(HWND dialog, int id, int index) {
  HWND list = GetDlgItem(dialog, id);
  if (!usable(list)) return;
  if (className(list) == L"ComboBox") {
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    notifyParent(list, CBN_SELCHANGE);
  } else {
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    notifyParent(list, LBN_SELCHANGE);
  }
  pump();
}

void doubleClick(HWND dialog, int id, int index) {
  choose(dialog, id, index);
  HWND list = GetDlgItem(dialog, id);
  if (IsWindow(list)) notifyParent(list, LBN_DBLCLK);
  pump();
}

void slide(HWND dialog, int id, int position) {
  HWND bar = GetDlgItem(dialog, id);
  if (!usable(bar)) return;
  SendMessageW(bar, TBM_SETPOS, TRUE, position);
  bool vertical = (GetWindowLongW(bar, GWL_STYLE) & TBS_VERT) != 0;
  SendMessageW(dialog, vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position),
               reinterpret_cast<LPARAM>(bar));
  SendMessageW(dialog, vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
               reinterpret_cast<LPARAM>(bar));
  pump();
}

void focus(HWND dialog, int id) {
  HWND c = GetDlgItem(dialog, id);
  if (!usable(c)) return;
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(c), TRUE);
  pump();
}

HWND focusedIn(HWND dialog) {
  HWND now = GetFocus();
  for (int tries = 0; (now == nullptr || !IsChild(dialog, now)) && tries < 50; ++tries) {
    SetForegroundWindow(dialog);
    SetActiveWindow(dialog);
    pump();
    now = GetFocus();
    if (now == nullptr) Sleep(20);
  }
  return now;
}

void pressKey(HWND dialog, HWND control, WPARAM key) {
  MSG msg{control, WM_KEYDOWN, key, 1, static_cast<DWORD>(GetMessageTime()), {}};
  if (!IsDialogMessageW(dialog, &msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  pump();
}

std::string textOf(HWND control) { return ui::WindowText(control); }
std::string textOf(HWND dialog, int id) { return ui::WindowText(GetDlgItem(dialog, id)); }

std::vector<std::string> listItems(HWND dialog, int id) {
  HWND list = GetDlgItem(dialog, id);
  bool combo = className(list) == L"ComboBox";
  int n = static_cast<int>(SendMessageW(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
  std::vector<std::string> items;
  for (int i = 0; i < n; ++i) {
    int len = static_cast<int>(SendMessageW(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0));
    std::wstring w(static_cast<std::size_t>(len) + 1, L'\0');
    SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(w.data()));
    w.resize(static_cast<std::size_t>(len));
    items.push_back(plat::narrow(w));
  }
  return items;
}

bool isEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }

namespace {

thread_local BoxAnswerer* current = nullptr;

bool isDialog(HWND w) { return className(w) == L"#32770" && IsWindowVisible(w) && IsWindowEnabled(w); }

}  // namespace

BoxAnswerer::BoxAnswerer(std::function<int(const Box&)> answer, std::function<void(HWND)> onDialog)
    : answer_(std::move(answer)), onDialog_(std::move(onDialog)), previous_(current) {
  EnumThreadWindows(GetCurrentThreadId(), MarkOpen, reinterpret_cast<LPARAM>(this));
  current = this;
  timer_ = SetTimer(nullptr, 0, 30, Tick);
}

BoxAnswerer::~BoxAnswerer() {
  KillTimer(nullptr, timer_);
  current = previous_;
}

// Dialogs open already are not new, even while a modal one disables them.
BOOL CALLBACK BoxAnswerer::MarkOpen(HWND w, LPARAM self) {
  if (className(w) == L"#32770" && IsWindowVisible(w))
    reinterpret_cast<BoxAnswerer*>(self)->handled_.insert(w);
  return TRUE;
}

BOOL CALLBACK BoxAnswerer::FindNew(HWND w, LPARAM found) {
  if (current == nullptr || !isDialog(w) || current->handled_.count(w) > 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = w;
  return FALSE;
}

// A thread timer runs inside every modal loop of the thread, whether or not
// the dialog became the foreground window: look for a dialog not yet seen,
// once it shows and takes input.
void CALLBACK BoxAnswerer::Tick(HWND, UINT, UINT_PTR, DWORD) {
  BoxAnswerer* self = current;
  if (self == nullptr) return;
  HWND w = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindNew, reinterpret_cast<LPARAM>(&w));
  if (w == nullptr) return;
  self->handled_.insert(w);
  HWND text = GetDlgItem(w, 0xFFFF);
  if (text != nullptr) {
    Box seen{ui::WindowText(w), ui::WindowText(text)};
    self->seen.push_back(seen);
    int answer = self->answer_ ? self->answer_(seen) : IDOK;
    PostMessageW(w, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
  } else if (self->onDialog_) {
    self->onDialog_(w);
  }
}

bool saveScreenArea(const RECT& r, const std::string& bmpPath) {
  int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(mem, old);
  GdiFlush();
  int stride = ((w * 3 + 3) / 4) * 4;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * h);
  std::ofstream out(bmpPath, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), stride * h);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return static_cast<bool>(out);
}

void redrawNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  pump();
  Sleep(200);
  pump();
}

bool saveScreenshot(HWND window, const std::string& bmpPath) {
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  redrawNow(window);
  RECT r;
  GetWindowRect(window, &r);
  return saveScreenArea(r, bmpPath);
}

std::string screenshotFolder() {
  const char* folder = std::getenv("VALMORIN_SCREENSHOTS");
  return folder == nullptr ? std::string() : std::string(folder);
}

void captureIfAsked(HWND window, const std::string& name) {
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_GT(r.right - r.left, 0);
  const std::string folder = screenshotFolder();
  if (folder.empty()) return;
  EXPECT_TRUE(saveScreenshot(window, folder + "\\" + name + ".bmp"));
}

}  // namespace testing_support
