// The head of texte\deutsch.lng, read by the command picker (never written).
#include "commands/aliases.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> words;
  txt::Status status = zorq::readCommandWords(fuzz::bytesOf(data, size), words);
  fuzz::expect(words.size() <= static_cast<std::size_t>(zorq::kLanguageCommands), "more words than commands");
  fuzz::expect(!status.ok() || words.size() <= static_cast<std::size_t>(zorq::kLanguageCommands), "status");
  return 0;
}
