#include "users/frmbatch.h"

#include "users/frmbatch_ids.h"

namespace zorq {

frmbatch::frmbatch(Context& ctx)
    : BoxFileDialog(IDD_FRMBATCH,
                    {IDT_FRMBATCH_NAMEHEAD, IDT_FRMBATCH_WHENHEAD, IDL_FRMBATCH_LIST, IDB_FRMBATCH_OK}, ctx,
                    kBatchFiles, kBatchFileColumn) {}

std::unique_ptr<ui::Dialog> makeBatchFiles(Context& ctx) { return std::make_unique<frmbatch>(ctx); }

}  // namespace zorq
