#include "progman_win32.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "platform/win32/wide.h"
#include "setupview.h"

namespace setup {

namespace {

// A client needs no callbacks of its own.
HDDEDATA CALLBACK ignoreCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return nullptr;
}

constexpr DWORD kTimeoutMs = 100 * 100;  // 100 tenths of a second

}  // namespace

DdemlLink::DdemlLink() {
  if (DdeInitializeW(&instance_, ignoreCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) {
    instance_ = 0;
    return;
  }
  progman_ = DdeCreateStringHandleW(instance_, L"PROGMAN", CP_WINUNICODE);
}

DdemlLink::~DdemlLink() {
  disconnect();
  if (instance_ == 0) return;
  if (progman_ != nullptr) DdeFreeStringHandle(instance_, progman_);
  DdeUninitialize(instance_);
}

bool DdemlLink::connect() {
  if (instance_ == 0 || progman_ == nullptr) return false;
  BusyCursor(11);
  disconnect();
  conversation_ = DdeConnect(instance_, progman_, progman_, nullptr);  // "PROGMAN|PROGMAN"
  BusyCursor(0);
  return conversation_ != nullptr;
}

void DdemlLink::pumpEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool DdemlLink::execute(const std::string& command) {
  if (conversation_ == nullptr) return false;
  std::wstring text = plat::wide(command);
  auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  BusyCursor(11);
  // An execute carries no clipboard format; DDEML hands the string to the
  // server in the character set it registered with.
  HDDEDATA result = DdeClientTransaction(reinterpret_cast<LPBYTE>(text.data()), bytes, conversation_, nullptr,
                                         0, XTYP_EXECUTE, kTimeoutMs, nullptr);
  BusyCursor(0);
  return result != nullptr;
}

void DdemlLink::disconnect() {
  if (conversation_ != nullptr) DdeDisconnect(conversation_);
  conversation_ = nullptr;
}

bool ShellStartMenu::addShortcut(const std::string& group, const std::string& item,
                                 const std::string& program) {
  std::wstring folder = folder_;
  if (folder.empty()) {
    wchar_t programs[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs)))
      return false;
    folder = programs;
  }
  folder += L"\\" + plat::wide(group);
  CreateDirectoryW(folder.c_str(), nullptr);

  bool initialized = SUCCEEDED(CoInitialize(nullptr));
  bool saved = false;
  IShellLinkW* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    std::wstring target = plat::wide(program);
    link->SetPath(target.c_str());
    link->SetWorkingDirectory(target.substr(0, target.find_last_of(L'\\')).c_str());
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      std::wstring lnk = folder + L"\\" + plat::wide(item) + L".lnk";
      saved = SUCCEEDED(file->Save(lnk.c_str(), TRUE));
      file->Release();
    }
    link->Release();
  }
  if (initialized) CoUninitialize();
  return saved;
}

}  // namespace setup
