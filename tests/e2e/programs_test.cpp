// What the built programs are: 32-bit x86, like the server they serve, with
// the manifest each needs (read out of the .exe files themselves).
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "win32/demo_install.h"
#include "win32/exe_driver.h"

namespace {

std::string setupExe() { return testing_support::windowsPath(VALMORIN_SETUP_EXE); }

std::wstring wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

WORD machineOf(const std::string& exe) {
  std::ifstream in(wide(exe).c_str(), std::ios::binary);
  IMAGE_DOS_HEADER dos{};
  in.read(reinterpret_cast<char*>(&dos), sizeof dos);
  if (!in || dos.e_magic != IMAGE_DOS_SIGNATURE) return 0;
  in.seekg(dos.e_lfanew);
  DWORD signature = 0;
  IMAGE_FILE_HEADER file{};
  in.read(reinterpret_cast<char*>(&signature), sizeof signature);
  in.read(reinterpret_cast<char*>(&file), sizeof file);
  return in && signature == IMAGE_NT_SIGNATURE ? file.Machine : 0;
}

std::string manifestOf(const std::string& exe) {
  HMODULE module =
      LoadLibraryExW(wide(exe).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!module) return {};
  std::string text;
  if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    if (data) text.assign(data, SizeofResource(module, found));
  }
  FreeLibrary(module);
  return text;
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(Programs, AreThirtyTwoBitX86) {
  EXPECT_EQ(machineOf(testing_support::zorqcfgExe()), IMAGE_FILE_MACHINE_I386);
  EXPECT_EQ(machineOf(setupExe()), IMAGE_FILE_MACHINE_I386);
}

TEST(Programs, BothAskForCommonControlsSixAndPerMonitorDpi) {
  for (const std::string& exe : {testing_support::zorqcfgExe(), setupExe()}) {
    SCOPED_TRACE(exe);
    const std::string manifest = manifestOf(exe);
    ASSERT_FALSE(manifest.empty());
    EXPECT_TRUE(has(manifest, "Microsoft.Windows.Common-Controls"));
    EXPECT_TRUE(has(manifest, "version=\"6.0.0.0\""));
    EXPECT_TRUE(has(manifest, "PerMonitorV2"));
    EXPECT_TRUE(has(manifest, "processorArchitecture=\"x86\""));
  }
}

TEST(Programs, SetupAsksForAdministratorAndTheEditorForNoLevel) {
  EXPECT_TRUE(has(manifestOf(setupExe()), "level=\"requireAdministrator\""));
  const std::string editor = manifestOf(testing_support::zorqcfgExe());
  ASSERT_FALSE(editor.empty());
  EXPECT_FALSE(has(editor, "requestedExecutionLevel"));
  EXPECT_FALSE(has(editor, "trustInfo"));
}

}  // namespace
