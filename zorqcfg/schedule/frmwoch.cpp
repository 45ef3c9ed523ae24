#include "schedule/frmwoch.h"

#include <utility>

#include "schedule/frmwoch_ids.h"
#include "schedule/zeit.h"

namespace zorq {

frmwoch::frmwoch(std::string wochentage) : Dialog(IDD_FRMWOCH), wochentage_(std::move(wochentage)) {}

bool frmwoch::OnInit() {
  marker_.reset();
  Weekdays days = daysOf(wochentage_);
  for (int k = 0; k < kDayCount; ++k)
    CheckButton(IDX_FRMWOCH_TAG + k, days[static_cast<std::size_t>(k)] ? BST_CHECKED : BST_UNCHECKED);
  return true;
}

bool frmwoch::OnCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED && id == IDB_FRMWOCH_OK) {
    OnOK();
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

// "OK": the marker of the checked days.
void frmwoch::OnOK() {
  Weekdays days{};
  for (int k = 0; k < kDayCount; ++k) days[static_cast<std::size_t>(k)] = IsChecked(IDX_FRMWOCH_TAG + k);
  marker_ = weekdayMarker(days);
  End(IDOK);
}

}  // namespace zorq
