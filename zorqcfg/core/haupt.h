// The editor's main window: the main settings and the buttons that open
// every other dialog. Closing it ends the program.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <utility>

#include "core/context.h"
#include "core/dialog_buttons.h"
#include "core/main_settings.h"
#include "ui/win32/dialog.h"

namespace zorq {

class haupt final : public ui::Dialog {
 public:
  // start: how main.txt (and env.dat) were read at start; it decides what
  // "Ende" does with the old main.txt. buttons: the dialogs it opens; the
  // table must outlive the window.
  haupt(Context& context, const StartState& start, const DialogButtons& buttons);
  ~haupt() override;

  // The dialog a button opened, while it is open.
  ui::Dialog* openDialog(std::size_t button) const;

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnScroll(HWND control, int code) override;
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
  void OnCancel() override;
  void OnDestroyed() override;

 private:
  // A slider set before the window shows needs no repaint of its own.
  WPARAM redraw() const { return IsWindowVisible(hwnd()) ? TRUE : FALSE; }
  void toControls();
  void toModel(MainSettings& settings) const;
  void showNetNumber();
  void netNumberTyped();
  void lockPasswordTyped();
  void pickDirectory(int field, bool standardWhenNone);
  void pressDialogButton(std::size_t button);
  void ende();
  void abbruch();
  void closeBox();
  std::pair<MainSettings, int> shownState() const;
  void closeDialogs();
  HBRUSH focusColour(HWND control, HDC dc) const;
  static LRESULT CALLBACK SliderFocus(HWND slider, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR field, DWORD_PTR);

  Context& ctx_;
  StartState start_;
  const DialogButtons& buttons_;
  std::array<std::unique_ptr<ui::Dialog>, kDialogButtonCount> open_;
  std::string lockPassword_;  // the last storable text of "Schloss"
  HBRUSH focusBrush_ = nullptr;
  std::pair<MainSettings, int> shown_;  // as the window opened
};

}  // namespace zorq
