// What every window of both programs keeps to, checked the same way on a
// dialog template read from a built program and on a live window: access
// keys, and names for screen readers.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

struct ControlInfo {
  std::wstring cls;  // "Button", "Edit", "Static", ...
  DWORD style = 0;
  std::string text;  // Windows-1252
};

struct DialogTemplate {
  std::string name;  // the resource id
  std::string caption;
  std::vector<ControlInfo> controls;  // in tab order
};

// Every dialog template of a program, read from its file.
std::vector<DialogTemplate> dialogTemplates(const std::string& exePath);
// The child controls of a live window, in tab order.
std::vector<ControlInfo> controlsOf(HWND window);

// The lower-case access key of a caption ("&Ende" gives 'e'), or 0.
char accessKey(const std::string& caption);
// One line per fault: a button, check box or option button without an access
// key or with one that another has too, and a label or group box whose
// access key is a button's or another label's. A button whose caption is a
// value ("...", "<<keine>>") or still empty (filled when the window opens)
// needs none, and neither does a caption that stands on several controls, a
// column of a table whose rows are reached by their first control's key. A
// label may go without one.
std::vector<std::string> accessKeyFaults(const std::vector<ControlInfo>& controls);

// The name a screen reader gives a control: the name the program gave it, a
// button's caption, or the text of the label right before it in tab order.
std::string accessibleName(HWND control);

}  // namespace testing_support
