// A second process for the platform tests:
//   peer find NAME           exit 0 when the global atom NAME exists
//   peer add NAME            adds the global atom NAME
//   peer read PATH N A B     reads PATH N times; exit 0 when every read gave
//                            the whole of file A or file B, else 1000 times
//                            the failed opens plus the partial reads
//   peer save PATH N FILE    saves the bytes of FILE as PATH N times through
//                            the editor's save; exit code: the failed saves
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/save.h"

namespace {

std::string slurp(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "find") return GlobalFindAtomA(argv[2]) != 0 ? 0 : 1;
  if (argc == 3 && std::string(argv[1]) == "add") return GlobalAddAtomA(argv[2]) != 0 ? 0 : 1;
  if (argc == 6 && std::string(argv[1]) == "read") {
    const std::string a = slurp(argv[4]), b = slurp(argv[5]);
    int bad = 0, unopened = 0;
    for (int i = 0, n = std::atoi(argv[3]); i < n; ++i) {
      std::FILE* f = std::fopen(argv[2], "rb");
      if (f == nullptr) {
        ++unopened;  // the file must never be missing either
        continue;
      }
      std::string got;
      char buffer[4096];
      for (std::size_t k; (k = std::fread(buffer, 1, sizeof buffer, f)) > 0;) got.append(buffer, k);
      std::fclose(f);
      if (got != a && got != b) ++bad;
    }
    return unopened * 1000 + bad;
  }
  if (argc == 5 && std::string(argv[1]) == "save") {
    const std::string bytes = slurp(argv[4]);
    int failed = 0;
    for (int i = 0, n = std::atoi(argv[3]); i < n; ++i)
      if (!plat::saveFile(plat::localFileSystem(), argv[2], bytes)) ++failed;
    return failed;
  }
  return 100;
}
