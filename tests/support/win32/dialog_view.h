// A view test of one modeless dialog of the editor over the view context.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "view_context.h"
#include "win32/view_driver.h"

namespace testing_support {

template <class D>
struct DialogView : ::testing::Test, ViewContext {
  std::unique_ptr<D> dialog;
  HWND d = nullptr;  // its window, once open

  // Makes the dialog over the context, shows it beside no owner as the main
  // window does, and lets it load; its window.
  HWND open() { return show(std::make_unique<D>(ctx)); }
  HWND show(std::unique_ptr<D> made) {
    dialog = std::move(made);
    EXPECT_TRUE(dialog->Create(nullptr));
    pump();
    d = dialog->hwnd();
    return d;
  }
};

}  // namespace testing_support
