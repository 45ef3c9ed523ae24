#include "text/cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, CaseMappingCoversUmlautsAndLeavesSharpSAlone) {
  EXPECT_EQ(txt::upper1252("gr\xf6\xdf"
                           "e \xe4\xf6\xfc"),
            "GR\xd6\xdf"
            "E \xc4\xd6\xdc");
  EXPECT_EQ(txt::lower1252("\xc4\xd6\xdc ABC"), "\xe4\xf6\xfc abc");
  EXPECT_EQ(txt::upper1252("\x9a\x9c\x9e\xff"), "\x8a\x8c\x8e\x9f");
  EXPECT_EQ(txt::lower1252("\x8a\x8c\x8e\x9f"), "\x9a\x9c\x9e\xff");
  EXPECT_EQ(txt::upper1252("\xf7\xb0\xdf"), "\xf7\xb0\xdf");  // ÷ ° ß
  EXPECT_EQ(txt::lower1252("\xd7"), "\xd7");                  // ×
  for (int c = 0; c < 256; ++c) {
    char ch = static_cast<char>(c);
    EXPECT_EQ(txt::lower1252(txt::upper1252(txt::lower1252(ch))), txt::lower1252(ch)) << c;
  }
}

TEST(Cp1252, EveryByteSurvivesTheTripThroughUtf16) {
  std::string all;
  for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
  std::u16string wide = txt::toUtf16(all);
  EXPECT_EQ(wide[0x80 - 1], u'\u20AC');
  EXPECT_EQ(wide[0xE4 - 1], u'\u00E4');
  EXPECT_EQ(txt::fromUtf16(wide), all);
  EXPECT_EQ(txt::fromUtf16(u"\u4E2D\u00DF"), "?\xdf");
}

}  // namespace
