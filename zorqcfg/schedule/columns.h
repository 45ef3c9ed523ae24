// Two list boxes side by side that show one entry per row: row k of the
// left list and row k of the right list belong to the same entry, and both
// mark the same row. Texts are Windows-1252.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zorq {

class Columns {
 public:
  Columns() = default;
  Columns(HWND left, HWND right) : left_(left), right_(right) {}

  // Refills both lists and marks row selected (none for -1).
  void fill(const std::vector<std::string>& left, const std::vector<std::string>& right, int selected);
  // Row index shows the texts; the mark stays where it was.
  void setRow(int index, const std::string& left, const std::string& right);
  // Marks row index in both lists (none for -1), lined up alike.
  void select(int index);

 private:
  static void setText(HWND list, int index, const std::string& text);

  HWND left_ = nullptr;
  HWND right_ = nullptr;
};

}  // namespace zorq
