// What the box text and batch file dialogs share: a fixed list of files in
// a fixed-pitch font under two column heads, and a double click that opens
// the row's file in the text editor. "OK" closes; nothing is saved.
#pragma once

#include <cstddef>
#include <span>

#include "core/context.h"
#include "ui/win32/dialog.h"
#include "users/box_files.h"

namespace zorq {

struct BoxFileControls {
  int nameHead, whenHead, list, ok;
};

class BoxFileDialog : public ui::Dialog {
 public:
  BoxFileDialog(int templateId, const BoxFileControls& ids, Context& ctx, std::span<const BoxFile> rows,
                std::size_t column);
  ~BoxFileDialog() override;

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void list1DblClick();
  void alignHeads();

  BoxFileControls ids_;
  Context& ctx_;
  std::span<const BoxFile> rows_;
  std::size_t column_;
  HFONT fixedsys_ = nullptr;
};

}  // namespace zorq
