#include "ui/win32/services_win32.h"

#include "platform/win32/wide.h"
#include "ui/win32/common_ids.h"
#include "ui/win32/dialog.h"

namespace ui {

namespace {

UINT iconFlag(Icon icon) {
  switch (icon) {
    case Icon::Information: return MB_ICONINFORMATION;
    case Icon::Exclamation: return MB_ICONEXCLAMATION;
    case Icon::Critical: return MB_ICONHAND;
    case Icon::Question: return MB_ICONQUESTION;
    case Icon::None: break;
  }
  return 0;
}

UINT buttonFlag(Buttons buttons) {
  switch (buttons) {
    case Buttons::YesNo: return MB_YESNO;
    case Buttons::OkCancel: return MB_OKCANCEL;
    case Buttons::YesNoCancel: return MB_YESNOCANCEL;
    case Buttons::Ok: break;
  }
  return MB_OK;
}

// The owner of a modal box: the window the user works in, if it is ours.
HWND activeOwner() { return GetActiveWindow(); }

class InputBox final : public Dialog {
 public:
  InputBox(std::string prompt, std::string title, std::string initial)
      : Dialog(IDD_INPUTBOX),
        prompt_(std::move(prompt)),
        title_(std::move(title)),
        text_(std::move(initial)) {}
  const std::string& text() const { return text_; }

 protected:
  bool OnInit() override {
    SetCaption(title_);
    SetItemText(IDT_INPUTBOX_PROMPT, prompt_);
    SetItemText(IDE_INPUTBOX_TEXT, text_);
    SendMessageW(Item(IDE_INPUTBOX_TEXT), EM_SETSEL, 0, -1);
    SetFocus(Item(IDE_INPUTBOX_TEXT));
    return false;
  }
  void OnOK() override {
    text_ = ItemText(IDE_INPUTBOX_TEXT);
    End(IDOK);
  }

 private:
  std::string prompt_, title_, text_;
};

}  // namespace

Answer Win32Services::message(const std::string& text, const std::string& title, Icon icon, Buttons buttons) {
  const HWND owner = activeOwner();
  ModalScope scope(owner);
  int result = MessageBoxW(owner, plat::wide(text).c_str(), plat::wide(title).c_str(),
                           iconFlag(icon) | buttonFlag(buttons) | MB_TASKMODAL);
  switch (result) {
    case IDYES: return Answer::Yes;
    case IDNO: return Answer::No;
    case IDCANCEL: return Answer::Cancel;
    default: return Answer::Ok;
  }
}

std::optional<std::string> Win32Services::input(const std::string& prompt, const std::string& title,
                                                const std::string& initial) {
  InputBox box(prompt, title, initial);
  if (box.DoModal(activeOwner()) != IDOK) return std::nullopt;
  return box.text();
}

}  // namespace ui
