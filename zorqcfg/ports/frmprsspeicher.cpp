#include "ports/frmprsspeicher.h"

#include "ports/frmprsspeicher_ids.h"
#include "ports/speicher.h"

namespace zorq {

namespace {

// The fields in row order.
std::array<std::string*, 5> fieldsOf(MemoryLimits& l) {
  return {&l.bretter, &l.user, &l.netzboxen, &l.editorzeilen, &l.briefe};
}

}  // namespace

frmprsspeicher::frmprsspeicher(Context& ctx) : Dialog(IDD_FRMPRSSPEICHER), ctx_(ctx) {}

std::unique_ptr<ui::Dialog> makeMemoryLimits(Context& ctx) { return std::make_unique<frmprsspeicher>(ctx); }

// Opening: each field shows its limit as the record holds it.
bool frmprsspeicher::OnInit() {
  FillGuard filling(*this);
  MemoryLimits limits = limitsOf(ctx_.settings);
  auto fields = fieldsOf(limits);
  for (int row = 0; row < 5; ++row) {
    const int id = IDE_FRMPRSSPEICHER_FIELD + row;
    const std::size_t length = kLimitLengths[static_cast<std::size_t>(row)];
    if (length > 0) SendMessageW(Item(id), EM_SETLIMITTEXT, length, 0);
    SetItemText(id, *fields[static_cast<std::size_t>(row)]);
  }
  return true;
}

bool frmprsspeicher::OnCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED && id == IDB_FRMPRSSPEICHER_OK) {
    OnOK();
    return true;
  }
  if (code == BN_CLICKED && id == IDB_FRMPRSSPEICHER_ABBRUCH) {
    OnCancel();
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

// "OK": the texts, corrected into their bounds, into the record.
void frmprsspeicher::OnOK() {
  MemoryLimits limits;
  auto fields = fieldsOf(limits);
  for (int row = 0; row < 5; ++row)
    *fields[static_cast<std::size_t>(row)] = ItemText(IDE_FRMPRSSPEICHER_FIELD + row);
  if (RefuseUnstorable(ctx_.ui)) return;
  applyBounds(limits);
  putLimits(ctx_.settings, limits);
  End(IDOK);
}

}  // namespace zorq
