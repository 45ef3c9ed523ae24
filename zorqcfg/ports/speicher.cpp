#include "ports/speicher.h"

#include "text/numbers.h"

namespace zorq {

namespace {

constexpr double kUpperBound = 16000;

void atMost(std::string& text) {
  if (txt::leadingValue(text) > kUpperBound) text = "16000";
}

void atLeast(std::string& text, double bound, const char* boundText) {
  if (txt::leadingValue(text) < bound) text = boundText;
}

}  // namespace

MemoryLimits limitsOf(const MainSettings& s) {
  return {s.maxBretter, s.maxUser, s.maxNetzboxen, s.maxEditorzeilen, s.maxBriefe};
}

void putLimits(MainSettings& s, const MemoryLimits& limits) {
  s.maxBretter = limits.bretter;
  s.maxUser = limits.user;
  s.maxNetzboxen = limits.netzboxen;
  s.maxEditorzeilen = limits.editorzeilen;
  s.maxBriefe = limits.briefe;
}

void applyBounds(MemoryLimits& l) {
  for (std::string* text : {&l.bretter, &l.user, &l.netzboxen, &l.editorzeilen, &l.briefe})
    *text = txt::ZeroIfEmpty(*text);
  for (std::string* text : {&l.bretter, &l.user, &l.netzboxen, &l.editorzeilen}) atMost(*text);
  atLeast(l.bretter, 100, "100");
  atLeast(l.netzboxen, 5, "5");
  atLeast(l.editorzeilen, 100, "100");
}

}  // namespace zorq
