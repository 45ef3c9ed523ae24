// The port chooser "Portwahl": which of the nine ports. Modal. The main
// window's "Modemparameter" lets it go on to the modem parameters of the
// port chosen; the schedule editor only takes the number.
#pragma once

#include <functional>
#include <memory>

#include "ui/win32/dialog.h"

namespace zorq {

inline constexpr int kPortCount = 9;  // ports 0 to 8
inline constexpr int kNoPort = -1;

class frmport final : public ui::Dialog {
 public:
  // What to do with the chosen port once the chooser has closed, with the
  // chooser's owner; none: the chooser only answers the number (nurportwahl).
  using Chain = std::function<void(HWND owner, int port)>;
  explicit frmport(Chain chain = {});

  // The port chosen, 0 to 8; -1 after "Abbruch" or the close box.
  int portnr() const { return portnr_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;
  void OnCancel() override;

 private:
  void portClick(int port);

  Chain chain_;
  int portnr_ = kNoPort;
};

// Shows the chooser modally over owner and answers the port, or -1.
int showPortChooser(HWND owner);

}  // namespace zorq
