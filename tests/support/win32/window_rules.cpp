#include "win32/window_rules.h"

#include <oleacc.h>

#include <map>

#include "platform/win32/wide.h"
#include "text/cp1252.h"
#include "ui/win32/dialog.h"

namespace testing_support {

namespace {

// Reads a dialog template (DLGTEMPLATE or DLGTEMPLATEEX) word by word.
class TemplateReader {
 public:
  TemplateReader(const BYTE* data, std::size_t size) : data_(data), size_(size) {}
  bool ok() const { return ok_; }
  WORD word() {
    if (at_ + 2 > size_) {
      ok_ = false;
      return 0;
    }
    WORD w = static_cast<WORD>(data_[at_] | (data_[at_ + 1] << 8));
    at_ += 2;
    return w;
  }
  DWORD dword() {
    DWORD low = word();
    return low | (static_cast<DWORD>(word()) << 16);
  }
  // A string or an ordinal: the ordinal is given as ordinal, the text empty.
  std::wstring text(WORD* ordinal = nullptr) {
    WORD first = word();
    if (first == 0xFFFF) {
      WORD n = word();
      if (ordinal != nullptr) *ordinal = n;
      return {};
    }
    std::wstring s;
    for (WORD c = first; c != 0 && ok_; c = word()) s.push_back(static_cast<wchar_t>(c));
    return s;
  }
  void skip(std::size_t n) { at_ += n; }
  void alignDword() { at_ = (at_ + 3) & ~static_cast<std::size_t>(3); }

 private:
  const BYTE* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

std::wstring classOfOrdinal(WORD ordinal) {
  switch (ordinal) {
    case 0x80: return L"Button";
    case 0x81: return L"Edit";
    case 0x82: return L"Static";
    case 0x83: return L"ListBox";
    case 0x84: return L"ScrollBar";
    case 0x85: return L"ComboBox";
    default: return L"?";
  }
}

DialogTemplate parse(const BYTE* data, std::size_t size) {
  TemplateReader r(data, size);
  DialogTemplate t;
  const WORD version = r.word();
  const WORD signature = r.word();
  const bool extended = version == 1 && signature == 0xFFFF;
  DWORD style = 0;
  if (extended) {
    r.dword();  // help id
    r.dword();  // extended style
    style = r.dword();
  } else {
    style = static_cast<DWORD>(version) | (static_cast<DWORD>(signature) << 16);
    r.dword();  // extended style
  }
  const WORD count = r.word();
  r.skip(8);  // x, y, cx, cy
  r.text();   // menu
  r.text();   // class
  t.caption = plat::narrow(r.text());
  if ((style & DS_SETFONT) != 0) {
    r.word();  // point size
    if (extended) {
      r.word();   // weight
      r.skip(2);  // italic, charset
    }
    r.text();  // typeface
  }
  for (WORD i = 0; i < count && r.ok(); ++i) {
    r.alignDword();
    ControlInfo c;
    if (extended) {
      r.dword();  // help id
      r.dword();  // extended style
      c.style = r.dword();
    } else {
      c.style = r.dword();
      r.dword();  // extended style
    }
    r.skip(8);  // x, y, cx, cy
    if (extended)
      r.dword();  // id
    else
      r.word();
    WORD ordinal = 0;
    std::wstring cls = r.text(&ordinal);
    c.cls = cls.empty() ? classOfOrdinal(ordinal) : cls;
    c.text = plat::narrow(r.text());
    WORD extra = r.word();
    r.skip(extra);
    t.controls.push_back(c);
  }
  return t;
}

BOOL CALLBACK eachDialog(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR lp) {
  auto* out = reinterpret_cast<std::vector<DialogTemplate>*>(lp);
  HRSRC found = FindResourceW(module, name, type);
  HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) return TRUE;
  DialogTemplate t = parse(static_cast<const BYTE*>(data), SizeofResource(module, found));
  t.name = IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<ULONG_PTR>(name)) : plat::narrow(name);
  out->push_back(std::move(t));
  return TRUE;
}

std::wstring classOf(HWND w) {
  wchar_t name[64] = {};
  GetClassNameW(w, name, 64);
  return name;
}

bool isKeyedButton(const ControlInfo& c) {
  if (_wcsicmp(c.cls.c_str(), L"Button") != 0) return false;
  switch (c.style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE: return true;
    default: return false;
  }
}

// A label or a group box: its access key moves to the control after it.
bool isTextLabel(const ControlInfo& c) {
  if (_wcsicmp(c.cls.c_str(), L"Button") == 0) return (c.style & BS_TYPEMASK) == BS_GROUPBOX;
  if (_wcsicmp(c.cls.c_str(), L"Static") != 0 || (c.style & SS_NOPREFIX) != 0) return false;
  switch (c.style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: return true;
    default: return false;
  }
}

// A caption that shows a value rather than naming an action.
bool isValueCaption(const std::string& text) {
  if (text.rfind("<<", 0) == 0) return true;
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0xC0) return false;
  }
  return true;  // no letter at all: "...", "<", ">>"
}

std::string withoutAccessKey(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

}  // namespace

std::vector<DialogTemplate> dialogTemplates(const std::string& exePath) {
  std::vector<DialogTemplate> out;
  HMODULE module = LoadLibraryExW(plat::wide(exePath).c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (module == nullptr) return out;
  EnumResourceNamesW(module, RT_DIALOG, eachDialog, reinterpret_cast<LONG_PTR>(&out));
  FreeLibrary(module);
  return out;
}

std::vector<ControlInfo> controlsOf(HWND window) {
  std::vector<ControlInfo> out;
  for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
    out.push_back({classOf(c), static_cast<DWORD>(GetWindowLongW(c, GWL_STYLE)), ui::WindowText(c)});
  return out;
}

char accessKey(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return txt::lower1252(std::string(1, caption[i + 1]))[0];
  }
  return 0;
}

std::vector<std::string> accessKeyFaults(const std::vector<ControlInfo>& controls) {
  std::vector<std::string> faults;
  std::map<char, std::string> buttons;
  std::map<std::string, int> captions;
  for (const ControlInfo& c : controls)
    if (isKeyedButton(c)) ++captions[c.text];
  for (const ControlInfo& c : controls) {
    if (!isKeyedButton(c) || c.text.empty() || isValueCaption(c.text)) continue;
    const char key = accessKey(c.text);
    if (key == 0 && captions[c.text] > 1) continue;  // a column of a table, reached from its row
    if (key == 0) {
      faults.push_back("\"" + c.text + "\" has no access key");
    } else if (buttons.count(key) > 0) {
      faults.push_back("\"" + c.text + "\" has the access key of \"" + buttons[key] + "\"");
    } else {
      buttons[key] = c.text;
    }
  }
  std::map<char, std::string> labels;
  for (const ControlInfo& c : controls) {
    const char key = accessKey(c.text);
    if (!isTextLabel(c) || key == 0) continue;
    if (buttons.count(key) > 0)
      faults.push_back("label \"" + c.text + "\" takes the access key of \"" + buttons[key] + "\"");
    else if (!labels.emplace(key, c.text).second)
      faults.push_back("label \"" + c.text + "\" has the access key of \"" + labels[key] + "\"");
  }
  return faults;
}

std::string accessibleName(HWND control) {
  // A name the program gave answers through the control itself.
  IAccessible* acc = nullptr;
  if (SendMessageW(control, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT)) != 0 &&
      SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                           reinterpret_cast<void**>(&acc)))) {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string result;
    if (SUCCEEDED(acc->get_accName(self, &name)) && name != nullptr) result = plat::narrow(name);
    SysFreeString(name);
    acc->Release();
    return result;
  }
  const std::wstring cls = classOf(control);
  if (cls == L"Button" || cls == L"Static") return withoutAccessKey(ui::WindowText(control));
  HWND before = GetWindow(control, GW_HWNDPREV);
  if (before == nullptr || classOf(before) != L"Static") return {};
  return withoutAccessKey(ui::WindowText(before));
}

}  // namespace testing_support
