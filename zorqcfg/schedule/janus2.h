// The query "Abfrage" for the call mode of a Janus2 net box. Modal; each
// button sets `janusmodus` and closes, and closing it otherwise keeps the
// mode chosen before.
#pragma once

#include <cstdint>

#include "ui/win32/dialog.h"

namespace zorq {

class janus2 final : public ui::Dialog {
 public:
  // janusmodus: the mode kept between uses (janusmodusOfThisRun()).
  explicit janus2(std::int16_t& janusmodus);

 protected:
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  std::int16_t& janusmodus_;
};

}  // namespace zorq
