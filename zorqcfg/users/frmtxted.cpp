#include "users/frmtxted.h"

#include "users/frmtxted_ids.h"

namespace zorq {

frmtxted::frmtxted(Context& ctx)
    : BoxFileDialog(IDD_FRMTXTED,
                    {IDT_FRMTXTED_NAMEHEAD, IDT_FRMTXTED_WHENHEAD, IDL_FRMTXTED_LIST, IDB_FRMTXTED_OK}, ctx,
                    kBoxTexts, kBoxTextColumn) {}

std::unique_ptr<ui::Dialog> makeBoxTexts(Context& ctx) { return std::make_unique<frmtxted>(ctx); }

}  // namespace zorq
