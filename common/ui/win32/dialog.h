// A thin base for dialog windows made from a template. The static procedure
// stores the object at WM_INITDIALOG and hands each message to a virtual
// handler. Texts cross the control boundary here: callers pass and get
// Windows-1252, the controls hold UTF-16.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "text/status.h"

namespace plat {
class FileSystem;
class LoadRecord;
}  // namespace plat

namespace ui {

class Services;

class Dialog {
 public:
  explicit Dialog(int templateId);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Shows the dialog and waits until it ends; the value passed to End.
  INT_PTR DoModal(HWND owner);
  // Shows the dialog beside its owner and returns at once.
  bool Create(HWND owner);
  // Ends a modal dialog with result, or destroys a modeless one. While a
  // modal loop started from a handler of this dialog (or of a window it
  // owns) still runs, the end waits until that loop has returned.
  void End(INT_PTR result);
  void BringToFront();
  // True while the object must not be deleted: it runs modally, or a modal
  // loop started from one of its handlers (or from a window it owns) has not
  // returned yet. Whoever owns it ends it instead and deletes it later.
  bool InModalLoop() const;

  HWND hwnd() const { return hwnd_; }
  bool IsOpen() const { return hwnd_ != nullptr; }
  // The control with id; the handles are kept, since under Wine each
  // GetDlgItem is a round trip to the window server.
  HWND Item(int id) const;

  // Gives keyboard navigation to every open modeless dialog; call it for each
  // message of the message loop and skip the message when it says true.
  static bool PreTranslate(MSG* msg);
  static HINSTANCE Instance();
  // Called when a handler let an exception escape (it is stopped in the
  // dialog procedure, so that it never unwinds through Windows); the
  // program shows its message there.
  static void OnFault(std::function<void()> notify);

  void SetItemText(int id, const std::string& text);
  // The control's text in Windows-1252. Characters the settings files cannot
  // hold come back as "?" and are remembered for the control until it is
  // read again without them or given a text of its own: "OK" then refuses
  // to save (RefuseUnstorable). While an edit holds such characters, its
  // changes are not passed on to OnCommand.
  std::string ItemText(int id) const;
  void CheckButton(int id, int state);  // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
  int ButtonState(int id) const;
  bool IsChecked(int id) const { return ButtonState(id) == BST_CHECKED; }
  void EnableItem(int id, bool enable);
  void ShowItem(int id, bool show);
  void SetCaption(const std::string& text);
  std::string Caption() const;

 protected:
  virtual bool OnInit() { return true; }
  // A command from a control or menu; true when handled. The default sends
  // IDOK to OnOK and IDCANCEL (Esc, the close box) to OnCancel.
  virtual bool OnCommand(int id, int code, HWND control);
  virtual bool OnNotify(int /*id*/, NMHDR* /*header*/) { return false; }
  // WM_HSCROLL and WM_VSCROLL from a scroll bar or track bar control.
  virtual bool OnScroll(HWND /*control*/, int /*code*/) { return false; }
  // Any other message; set handled and return the dialog result.
  virtual INT_PTR OnMessage(UINT /*msg*/, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
  }
  virtual void OnOK() { End(IDOK); }
  virtual void OnCancel() { End(IDCANCEL); }
  virtual void OnDestroyed() {}
  // "OK" of a dialog that writes its files: ends it when they were saved;
  // otherwise tells the sysop why and keeps it open with the edits.
  void EndIfSaved(const txt::Status& saved, Services& ui);
  // Before a dialog writes its files: refuses text the files cannot hold
  // (RefuseUnstorable), then asks before each file that another program
  // changed since the dialog loaded it; "Nein" keeps the dialog open. True
  // when the save may go on.
  bool ReadyToSave(Services& ui, plat::FileSystem& fs, plat::LoadRecord& loaded);
  // "OK" in full: ReadyToSave, then save, then EndIfSaved.
  void SaveAndEnd(Services& ui, plat::FileSystem& fs, plat::LoadRecord& loaded,
                  const std::function<txt::Status()>& save);
  // True when a field read since holds characters outside Windows-1252: the
  // sysop is told which field and which characters, and the field gets the
  // focus.
  bool RefuseUnstorable(Services& ui);
  // Gives the focus to a control, as the Tab key would (an edit field's text
  // is selected).
  void FocusItem(int id);

  // True while the controls are filled from the model, so that the change
  // notifications this causes are not taken for the user's edits.
  bool Filling() const { return filling_ > 0; }
  class FillGuard {
   public:
    explicit FillGuard(Dialog& d) : d_(d) { ++d_.filling_; }
    ~FillGuard() { --d_.filling_; }
    FillGuard(const FillGuard&) = delete;
    FillGuard& operator=(const FillGuard&) = delete;

   private:
    Dialog& d_;
  };

 private:
  friend class ModalScope;
  static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  INT_PTR Handle(UINT msg, WPARAM wp, LPARAM lp);
  bool WaitsForLoop() const;

  int templateId_;
  HWND hwnd_ = nullptr;
  mutable std::map<int, HWND> items_;              // control id -> handle, checked at each use
  mutable std::map<int, std::string> unstorable_;  // control id -> its characters ("U+0141")
  bool modal_ = false;
  int filling_ = 0;
  int handling_ = 0;  // messages of this dialog being handled, nested
  int loops_ = 0;     // modal loops started from its handlers, still running
  bool endPending_ = false;
  INT_PTR pendingResult_ = 0;
};

// Makes the modal loop that runs while it lives modal for the whole program:
// every other enabled window of the thread refuses input until the loop
// returns, and the dialogs whose handlers started the loop are not destroyed
// meanwhile (Dialog::End waits). owner is left to the modal window, which
// disables it itself; an owner that was disabled already stays so. DoModal
// and the message and input boxes use it; a view that shows any other modal
// window must too.
class ModalScope {
 public:
  explicit ModalScope(HWND owner);
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  static BOOL CALLBACK Disable(HWND window, LPARAM self);
  HWND owner_;
  bool ownerWasEnabled_;
  HWND active_;
  std::vector<HWND> disabled_;
  std::vector<Dialog*> waiting_;
};

// Puts window in the middle of owner, or of its monitor's work area when
// there is no visible owner, and keeps it whole on that monitor.
void CentreOver(HWND window, HWND owner);

// Window text in Windows-1252.
std::string WindowText(HWND hwnd);
void SetWindowTextCp(HWND hwnd, const std::string& text);

}  // namespace ui
