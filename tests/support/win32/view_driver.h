// Drives a dialog in-process the way a user would: every action refuses a
// disabled or hidden control and sends the notification a real click or
// keystroke would send. Texts are Windows-1252.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace testing_support {

// Handles the messages waiting for this thread (window creation, posted
// notifications) and returns.
void pump();

// The control whose window text is text (a label, button or check box), or
// nullptr. A text without "&" also finds a caption with an access key
// ("Name" finds "Na&me").
HWND findByText(HWND dialog, const std::string& text);
// The edit, combo box, track bar or list that stands right of (or below) the
// label with that text: how a sysop finds a field.
HWND fieldOf(HWND dialog, const std::string& label);

void click(HWND dialog, int id);
void click(HWND control);
// Replaces the text of an edit control; the control sends EN_CHANGE itself.
void type(HWND dialog, int id, const std::string& text);
void setCheck(HWND dialog, int id, bool checked);
// Selects entry index in a list box or combo box and sends LBN_SELCHANGE /
// CBN_SELCHANGE; doubleClick also sends LBN_DBLCLK.
void choose(HWND dialog, int id, int index);
void doubleClick(HWND dialog, int id, int index);
// Moves a track bar as a drag would, and tells its dialog.
void slide(HWND dialog, int id, int position);
// Gives the control the keyboard focus.
void focus(HWND dialog, int id);
// The control of dialog that has the keyboard focus. Tests share one display,
// so another test's window may have taken the activation meanwhile: the
// dialog is then activated again, and the dialog manager gives the focus back
// to the control that had it.
HWND focusedIn(HWND dialog);
// A key pressed in control: through the dialog's keyboard handling, as the
// message loop hands it over, or to the control when the dialog takes none.
void pressKey(HWND dialog, HWND control, WPARAM key);

std::string textOf(HWND control);
std::string textOf(HWND dialog, int id);
std::vector<std::string> listItems(HWND dialog, int id);
bool isEnabled(HWND dialog, int id);

// Answers the real message boxes that this thread shows while it lives: the
// callback gets the box's title and text and returns the button id to press
// (IDOK, IDYES, ...). Every box it saw is kept. Other modal dialogs of the
// thread go to onDialog, once each, from inside their modal loop; onDialog
// may open further dialogs, which are then handled the same way.
class BoxAnswerer {
 public:
  struct Box {
    std::string title, text;
  };
  explicit BoxAnswerer(std::function<int(const Box&)> answer = {}, std::function<void(HWND)> onDialog = {});
  ~BoxAnswerer();
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;

  std::vector<Box> seen;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  static BOOL CALLBACK MarkOpen(HWND w, LPARAM self);
  static BOOL CALLBACK FindNew(HWND w, LPARAM found);
  std::function<int(const Box&)> answer_;
  std::function<void(HWND)> onDialog_;
  BoxAnswerer* previous_;
  std::set<HWND> handled_;
  UINT_PTR timer_ = 0;
};

// Saves what the screen shows inside area as a 24-bit BMP file.
bool saveScreenArea(const RECT& area, const std::string& bmpPath);
// Redraws the window and its children and lets the drawing settle.
void redrawNow(HWND window);
// Raises the window to the top, lets it draw and saves what the screen shows
// of it.
bool saveScreenshot(HWND window, const std::string& bmpPath);
// The folder scripts/screenshots asks for (VALMORIN_SCREENSHOTS), or empty.
std::string screenshotFolder();
// For scripts/screenshots: saves <name>.bmp into the folder named by the
// environment variable VALMORIN_SCREENSHOTS, if it is set.
void captureIfAsked(HWND window, const std::string& name);

}  // namespace testing_support
