// The weekday chooser "Zeit": on which days an event of the schedule runs.
// Modal; "OK" makes the weekday marker.
#pragma once

#include <optional>
#include <string>

#include "ui/win32/dialog.h"

namespace zorq {

class frmwoch final : public ui::Dialog {
 public:
  // wochentage: the day list of the event, or "ALL" for every day.
  explicit frmwoch(std::string wochentage);

  // The marker of the checked days after "OK"; nothing when closed otherwise.
  const std::optional<std::string>& marker() const { return marker_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  std::string wochentage_;
  std::optional<std::string> marker_;
};

}  // namespace zorq
