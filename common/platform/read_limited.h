// The body of plat::readLimited; included by filesystem.h.
#pragma once

#include <algorithm>
#include <new>

namespace plat {

inline constexpr const char* kFileTooLarge =
    "Die Datei ist gr\xf6\xdf"
    "er als 64 MiB.";
inline constexpr const char* kOutOfMemory = "Zu wenig Speicher, um die Datei zu lesen.";

template <class Read, class Error>
txt::Status readLimited(std::string& bytes, std::uint64_t sizeHint, Read read, Error error) noexcept {
  try {
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(sizeHint, kMaxFileBytes)));
    char buffer[64 * 1024];
    for (;;) {
      const std::size_t room = static_cast<std::size_t>(std::min<std::uint64_t>(
          sizeof buffer, kMaxFileBytes + 1 - static_cast<std::uint64_t>(bytes.size())));
      const long got = read(buffer, room);
      if (got < 0) return error();
      if (got == 0) return {};
      const std::size_t n = static_cast<std::size_t>(got);
      if (bytes.size() + n > kMaxFileBytes) {
        bytes.append(buffer, kMaxFileBytes - bytes.size());
        return txt::Status::Fail(kFileTooLarge);
      }
      bytes.append(buffer, n);
    }
  } catch (...) {
    return txt::Status::Fail(kOutOfMemory);
  }
}

}  // namespace plat
