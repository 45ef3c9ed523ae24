#include "text/reader.h"

#include <gtest/gtest.h>

#include "text/writer.h"

namespace {

TEST(Reader, WholeLinesEndAtCrLfOrLoneLfAndKeepLoneCr) {
  txt::Reader r("eins\r\nzwei\nd\rrei\r\nletzte");
  std::vector<std::string> got(4);
  for (auto& line : got) EXPECT_TRUE(r.line(line));
  EXPECT_EQ(got, (std::vector<std::string>{"eins", "zwei", "d\rrei", "letzte"}));
  EXPECT_TRUE(r.atEnd());
  EXPECT_FALSE(r.line(got[0]));
  EXPECT_TRUE(r.failed());
}

TEST(Reader, EmptyLinesAreLinesAndTheEndIsSeenRightAfterTheLastLineEnd) {
  txt::Reader r("\r\n\r\n");
  std::string s = "x";
  ASSERT_TRUE(r.line(s));
  EXPECT_EQ(s, "");
  EXPECT_TRUE(r.more());
  ASSERT_TRUE(r.line(s));
  EXPECT_FALSE(r.more());
  EXPECT_TRUE(r.status().ok());
}

TEST(Reader, NumberFieldsSkipBlanksAndEndAtBlankCommaOrLineEnd) {
  // An empty line is 0; the last line may lack its line end.
  txt::Reader r(" 5 \r\n-1 \r\n1,2\r\n\r\n   42   ,  7\r\n3");
  std::vector<std::int32_t> got(8, 9);
  for (auto& n : got) EXPECT_TRUE(r.number(n));
  EXPECT_EQ(got, (std::vector<std::int32_t>{5, -1, 1, 2, 0, 42, 7, 3}));
  EXPECT_TRUE(r.atEnd());
}

TEST(Reader, NumbersThatDoNotFitOrAreNoNumberStopTheRead) {
  std::uint8_t byte = 7;
  EXPECT_FALSE(txt::Reader("256\r\n").number(byte));
  EXPECT_FALSE(txt::Reader("-1\r\n").number(byte));
  EXPECT_TRUE(txt::Reader("255\r\n").number(byte));
  EXPECT_EQ(byte, 255);

  std::int16_t small = 7;
  EXPECT_FALSE(txt::Reader("32768").number(small));
  EXPECT_TRUE(txt::Reader("-32768").number(small));
  EXPECT_EQ(small, -32768);

  std::int32_t big = 7;
  EXPECT_FALSE(txt::Reader("2147483648").number(big));
  EXPECT_FALSE(txt::Reader("99999999999999999999999").number(big));
  EXPECT_FALSE(txt::Reader("abc").number(big));
  EXPECT_FALSE(txt::Reader("5x").number(big));
  EXPECT_FALSE(txt::Reader("").number(big));  // a missing line
  EXPECT_EQ(big, 7);
  EXPECT_TRUE(txt::Reader("2.5").number(big));  // whole numbers by rounding, halves to even
  EXPECT_EQ(big, 2);
}

TEST(Reader, FirstFailureStopsEverythingAfterIt) {
  txt::Reader r("eins\r\nzwei\r\nx\r\n4\r\n");
  std::string a, b;
  std::int16_t n = 11, m = 12;
  r.line(a);
  r.line(b);
  r.number(n);
  r.number(m);
  EXPECT_EQ(b, "zwei");
  EXPECT_EQ(n, 11);
  EXPECT_EQ(m, 12);
  EXPECT_TRUE(r.failed());
  EXPECT_EQ(r.status().line, 3u);
  EXPECT_EQ(r.status().error, "Zeile 3: \"x\" ist keine Zahl");
  EXPECT_FALSE(r.more());
}

TEST(Reader, FailuresNameTheirLineAndWhatWasWrongInGerman) {
  std::uint8_t small = 0;
  txt::Reader range(" 1 \r\n300\r\n");
  range.number(small);
  EXPECT_FALSE(range.number(small));
  EXPECT_EQ(range.status().line, 2u);
  EXPECT_EQ(range.status().error, "Zeile 2: \"300\" liegt nicht zwischen 0 und 255");

  // A value refused from outside blames the line it came from, a record too
  // many the line after it; the end of the data blames the line missing.
  std::string s;
  txt::Reader refused("a\r\nb\r\n");
  refused.line(s);
  refused.fail("\"a\" passt nicht");
  EXPECT_EQ(refused.status().error, "Zeile 1: \"a\" passt nicht");
  txt::Reader tooMany("a\r\nb\r\n");
  tooMany.line(s);
  tooMany.failAtNextLine("zu viele");
  EXPECT_EQ(tooMany.status().line, 2u);
  txt::Reader shortFile("a\r\n");
  shortFile.line(s);
  shortFile.line(s);
  EXPECT_EQ(shortFile.status().error, "Zeile 2: fehlt (die Datei endet vorher)");

  EXPECT_EQ(txt::quoted(std::string(50, 'x')), "\"" + std::string(40, 'x') + "...\"");
  EXPECT_TRUE(txt::Status::Fail("Fehler beim Laden von <x>").line == 0);
}

// A control would show the value only up to the NUL and "OK" would write
// it shortened: a line or a text field holding one fails at its line.
TEST(Reader, ANulByteInALineOrTextFieldIsAFailureAtThatLine) {
  std::string s;
  txt::Reader lines(std::string("a\r\nb\0c\r\nd\r\n", 10));
  EXPECT_TRUE(lines.line(s));
  EXPECT_FALSE(lines.line(s));
  EXPECT_EQ(lines.status().line, 2u);
  EXPECT_EQ(s, "a");
  txt::Reader field(std::string("x,\"y\0\"\r\n", 8));
  EXPECT_TRUE(field.text(s));
  EXPECT_FALSE(field.text(s));
  EXPECT_EQ(field.status().line, 1u);
  // The group list's data are counted characters, not a line: any byte.
  txt::Reader counted(std::string("\0\0\r\n", 4));
  EXPECT_TRUE(counted.chars(2, s));
}

TEST(Reader, TextFieldsQuotedOrNot) {
  txt::Reader r("\"Lesen\",\"L, R\"\r\n  Schreiben  , S \r\n\"a\"\r\n\"\"\r\nlast");
  std::vector<std::string> got(7);
  for (auto& g : got) r.text(g);
  EXPECT_EQ(got, (std::vector<std::string>{"Lesen", "L, R", "Schreiben", "S", "a", "", "last"}));
  EXPECT_FALSE(r.failed());
}

TEST(Reader, CharsCountLineEndsAndFailWhenShort) {
  txt::Reader r("ab\r\ncd\r\nName\r\n");
  std::string s;
  ASSERT_TRUE(r.chars(6, s));
  EXPECT_EQ(s, "ab\r\ncd");
  std::string rest;
  EXPECT_TRUE(r.line(rest));
  EXPECT_EQ(rest, "");
  EXPECT_FALSE(r.chars(7, s));
  EXPECT_TRUE(r.failed());
}

TEST(Writer, NumberFormatAndStringLinesRoundTrip) {
  txt::Writer w;
  w.number(5).number(0).number(-1).line("Gr\xfc\xdf").line("");
  EXPECT_EQ(w.bytes(), " 5 \r\n 0 \r\n-1 \r\nGr\xfc\xdf\r\n\r\n");
  txt::Reader r(w.bytes());
  std::int32_t a, b, c;
  std::string s, t;
  EXPECT_TRUE(r.number(a) && r.number(b) && r.number(c) && r.line(s) && r.line(t));
  EXPECT_EQ((std::vector<int>{a, b, c}), (std::vector<int>{5, 0, -1}));
  EXPECT_EQ(s, "Gr\xfc\xdf");
  EXPECT_TRUE(r.atEnd());
}

}  // namespace
