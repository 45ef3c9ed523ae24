#include "ui/win32/accessible.h"

#include <commctrl.h>
#include <oleacc.h>

#include "platform/win32/wide.h"
#include "ui/win32/subclass.h"

namespace ui {

namespace {

// The accessibility library, loaded when a screen reader first asks for a
// name: a start without a screen reader does not pay for loading it.
struct Oleacc {
  decltype(&CreateStdAccessibleObject) createStandard = nullptr;
  decltype(&LresultFromObject) lresultFromObject = nullptr;
  decltype(&SysAllocStringLen) allocString = nullptr;
  bool loaded() const { return createStandard && lresultFromObject && allocString; }
};

template <typename F>
F procedure(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  // Through the generic function type, which every function pointer may be
  // cast to and from.
  return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

const Oleacc& oleacc() {
  static const Oleacc library = [] {
    Oleacc f;
    HMODULE acc = LoadLibraryW(L"oleacc.dll");
    HMODULE aut = LoadLibraryW(L"oleaut32.dll");
    f.createStandard = procedure<decltype(f.createStandard)>(acc, "CreateStdAccessibleObject");
    f.lresultFromObject = procedure<decltype(f.lresultFromObject)>(acc, "LresultFromObject");
    f.allocString = procedure<decltype(f.allocString)>(aut, "SysAllocStringLen");
    return f;
  }();
  return library;
}

// The standard accessible object of a control, with its name replaced.
class Named final : public IAccessible {
 public:
  Named(IAccessible* inner, std::wstring name) : inner_(inner), name_(std::move(name)) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    return inner_->QueryInterface(riid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0) {
      inner_->Release();
      delete this;
    }
    return static_cast<ULONG>(left);
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return inner_->GetTypeInfoCount(n); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override {
    return inner_->GetTypeInfo(i, l, t);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID r, LPOLESTR* n, UINT c, LCID l, DISPID* d) override {
    return inner_->GetIDsOfNames(r, n, c, l, d);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID d, REFIID r, LCID l, WORD f, DISPPARAMS* p, VARIANT* v,
                                   EXCEPINFO* e, UINT* a) override {
    return inner_->Invoke(d, r, l, f, p, v, e, a);
  }

  // IAccessible: the name of the control itself is ours.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (name == nullptr) return E_POINTER;
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return inner_->get_accName(child, name);
    *name = oleacc().allocString(name_.data(), static_cast<UINT>(name_.size()));
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override { return inner_->get_accParent(p); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* n) override { return inner_->get_accChildCount(n); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT c, IDispatch** p) override {
    return inner_->get_accChild(c, p);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT c, BSTR* v) override { return inner_->get_accValue(c, v); }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT c, BSTR* d) override {
    return inner_->get_accDescription(c, d);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT c, VARIANT* r) override { return inner_->get_accRole(c, r); }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT c, VARIANT* s) override {
    return inner_->get_accState(c, s);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT c, BSTR* h) override { return inner_->get_accHelp(c, h); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* f, VARIANT c, long* t) override {
    return inner_->get_accHelpTopic(f, c, t);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT c, BSTR* k) override {
    return inner_->get_accKeyboardShortcut(c, k);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* f) override { return inner_->get_accFocus(f); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* s) override { return inner_->get_accSelection(s); }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT c, BSTR* a) override {
    return inner_->get_accDefaultAction(c, a);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long f, VARIANT c) override { return inner_->accSelect(f, c); }
  HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT c) override {
    return inner_->accLocation(x, y, w, h, c);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long d, VARIANT s, VARIANT* e) override {
    return inner_->accNavigate(d, s, e);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* c) override {
    return inner_->accHitTest(x, y, c);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT c) override { return inner_->accDoDefaultAction(c); }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT c, BSTR n) override { return inner_->put_accName(c, n); }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT c, BSTR v) override { return inner_->put_accValue(c, v); }

 private:
  ~Named() = default;
  IAccessible* inner_;
  std::wstring name_;
  LONG refs_ = 1;
};

constexpr UINT_PTR kSubclass = 0x4E414D45;  // "NAME"

LRESULT CALLBACK AnswerName(HWND control, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* name = reinterpret_cast<std::wstring*>(data);
  if (msg == WM_GETOBJECT && static_cast<LONG>(lp) == OBJID_CLIENT && oleacc().loaded()) {
    // The object goes to the screen reader through COM; the window's thread
    // joins it now, once (a second call only counts up).
    static thread_local const HRESULT joined = CoInitialize(nullptr);
    (void)joined;
    IAccessible* standard = nullptr;
    if (SUCCEEDED(oleacc().createStandard(control, OBJID_CLIENT, IID_IAccessible,
                                          reinterpret_cast<void**>(&standard)))) {
      auto* named = new Named(standard, *name);
      LRESULT result = oleacc().lresultFromObject(IID_IAccessible, wp, named);
      named->Release();
      return result;
    }
  }
  if (msg == WM_NCDESTROY) {
    delete name;
  }
  return CallNextHook(control, msg, wp, lp);
}

}  // namespace

void SetAccessibleName(HWND control, const std::string& name) {
  if (control == nullptr) return;
  DWORD_PTR old = 0;
  if (FindSubclass(control, AnswerName, kSubclass, &old)) {
    *reinterpret_cast<std::wstring*>(old) = plat::wide(name);
    return;
  }
  auto* kept = new std::wstring(plat::wide(name));
  if (!Subclass(control, AnswerName, kSubclass, reinterpret_cast<DWORD_PTR>(kept))) delete kept;
}

}  // namespace ui
