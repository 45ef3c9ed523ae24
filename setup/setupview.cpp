#include "setupview.h"

#include <string>

#include "install.h"
#include "ui/win32/dialog.h"

namespace setup {

namespace {

int waiting = 0;

HFONT titleFont(UINT dpi) {
  int height = -MulDiv(24, static_cast<int>(dpi), 72);
  return CreateFontW(height, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, L"MS Sans Serif");
}

}  // namespace

// The same placing as the editor's: over the owner, whole on its monitor.
void CentreOn(HWND dialog, HWND owner) { ui::CentreOver(dialog, owner); }

void BusyCursor(int n) {
  if (n == 11) {
    ++waiting;
  } else if (n == 0) {
    if (waiting > 0) --waiting;
  } else {
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(n)));
    return;
  }
  SetCursor(LoadCursorW(nullptr, waiting > 0 ? IDC_WAIT : IDC_ARROW));
}

bool DrawLogoItem(UINT msg, LPARAM lp) {
  if (msg != WM_DRAWITEM) return false;
  auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
  PaintLogo(item->hDC, item->rcItem);
  return true;
}

void PaintLogo(HDC dc, const RECT& box) {
  int h = box.bottom - box.top;
  for (int y = 0; y < h; ++y) {
    HBRUSH band = CreateSolidBrush(RGB(0, 0, 255 - y * 160 / (h > 0 ? h : 1)));
    RECT line{box.left, box.top + y, box.right, box.top + y + 1};
    FillRect(dc, &line, band);
    DeleteObject(band);
  }
  HFONT font =
      CreateFontW(-h * 3 / 4, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN, L"Times New Roman");
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  RECT text = box;
  SetTextColor(dc, RGB(0, 0, 0));
  OffsetRect(&text, 2, 2);
  DrawTextW(dc, L"V", 1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SetTextColor(dc, RGB(255, 255, 255));
  OffsetRect(&text, -2, -2);
  DrawTextW(dc, L"V", 1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
  DeleteObject(font);
}

void ShowProgress(HDC dc, const RECT& box, double fraction) {
  const COLORREF foreground = RGB(0, 0, 128);
  const COLORREF background = RGB(255, 255, 255);
  int width = box.right - box.left, height = box.bottom - box.top;
  HBRUSH white = CreateSolidBrush(background);
  FillRect(dc, &box, white);

  std::wstring text = std::to_wstring(progressPercent(fraction)) + L"%";
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  int x = box.left + width / 2 - size.cx / 2;
  int y = box.top + height / 2 - size.cy / 2;
  RECT behind{x, y, x + size.cx, y + size.cy};
  FillRect(dc, &behind, white);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, foreground);
  TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
  DeleteObject(white);

  if (fraction > 0.0) {
    if (fraction > 1.0) fraction = 1.0;
    // NOT (pattern XOR screen): white turns dark blue, dark blue turns white.
    constexpr DWORD kNotXor = 0x00A50065;
    HBRUSH blue = CreateSolidBrush(foreground);
    HGDIOBJ old = SelectObject(dc, blue);
    PatBlt(dc, box.left, box.top, static_cast<int>(width * fraction), height, kNotXor);
    SelectObject(dc, old);
    DeleteObject(blue);
  }
}

UINT WindowDpi(HWND window) {
  // Windows 10 and Wine know each window's dpi; older systems have one.
  using GetDpi = UINT(WINAPI*)(HWND);
  static const auto getDpi = reinterpret_cast<GetDpi>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  UINT dpi = getDpi != nullptr ? getDpi(window) : 0;
  if (dpi == 0) {
    HDC screen = GetDC(nullptr);
    dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
  }
  return dpi;
}

void PaintBackground(HDC dc, const RECT& inner, const wchar_t* caption, UINT dpi) {
  int h = inner.bottom - inner.top, w = inner.right - inner.left;
  if (h <= 0) return;
  double blue = 255.0;
  const double step = -510.0 / h;
  for (int y = 0; y <= h; y += 2) {
    int b = static_cast<int>(blue);
    HBRUSH band = CreateSolidBrush(RGB(0, 0, b < 0 ? 0 : b));
    RECT r{inner.left - 1, inner.top + y - 1, inner.left + w, inner.top + y + 2};
    FillRect(dc, &r, band);
    DeleteObject(band);
    blue += step;
  }
  HFONT font = titleFont(dpi);
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  int length = lstrlenW(caption);
  // The shadow's offsets are 8 and 4 pixels at 96 dpi.
  const int shadow = MulDiv(8, static_cast<int>(dpi), 96), text = MulDiv(4, static_cast<int>(dpi), 96);
  SetTextColor(dc, RGB(0, 0, 0));
  TextOutW(dc, inner.left + shadow, inner.top + shadow, caption, length);
  SetTextColor(dc, RGB(255, 255, 255));
  TextOutW(dc, inner.left + text, inner.top + text, caption, length);
  SelectObject(dc, old);
  DeleteObject(font);
}

}  // namespace setup
