// The query "Abfrage" of the schedule editor: switch on ("An") or off
// ("Aus")? Modal; its label names what is switched.
#pragma once

#include <string>

#include "ui/win32/dialog.h"

namespace zorq {

class frmsperre final : public ui::Dialog {
 public:
  // abfragetext: the label; empty shows "Netzsperre".
  explicit frmsperre(std::string abfragetext);

  // "ON" after "An", "OFF" after "Aus", empty when closed otherwise.
  const std::string& sperrwahl() const { return sperrwahl_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void answer(const char* onOff);

  std::string abfragetext_;
  std::string sperrwahl_;
};

}  // namespace zorq
