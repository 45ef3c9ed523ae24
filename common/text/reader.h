// Sequential reader over the bytes of a settings file (Windows-1252, CR LF).
//
// It reads the way the server's own files are read: whole lines, number
// fields, text fields and fixed character counts. The first failing read
// makes the reader fail for good; later reads then leave their targets
// untouched, so a loader can read field after field and ask once at the end
// (or at a "may end here" point) whether all went well. Nothing throws.
//
// A failure names its line: status().line, and status().error reads
// "Zeile 17: <why>", the why in German naming the value and what was
// expected, so that a sysop can be told where a file is damaged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/status.h"

namespace txt {

class Reader {
 public:
  explicit Reader(std::string bytes) : data_(std::move(bytes)) {}

  // True when every byte has been consumed (the end-of-file test at the
  // "may end here" points). A failed reader also counts as ended.
  bool atEnd() const { return failed() || pos_ >= data_.size(); }
  // Neither failed nor at the end: another value may be read.
  bool more() const { return !atEnd(); }

  // The characters up to the line end (CR LF or a lone LF), without it. A
  // lone CR is part of the line. Fails at the end of the data.
  bool line(std::string& out);

  // One number field: leading blanks skipped; the field ends at a blank, a
  // comma or the line end; the blanks and the one comma or line end after it
  // are passed over. An empty field gives 0. Fails when the data has ended,
  // when the field is no number, or when the value does not fit the type.
  bool number(std::uint8_t& out);
  bool number(std::int16_t& out);
  bool number(std::int32_t& out);

  // One text field: leading blanks skipped; a field that starts with a
  // double quote runs to the closing quote, otherwise it ends at a comma or
  // the line end and loses trailing blanks. The blanks and the one comma or
  // line end after it are passed over.
  bool text(std::string& out);

  // Exactly n characters, line ends included. Fails if fewer remain.
  bool chars(std::size_t n, std::string& out);

  // Marks the read as failed from outside (a value a control refuses, say),
  // blaming the line of the last value read. why is German, as the
  // reader's own reasons are: "\"7\" ist kein Schalterwert (0 oder 1)".
  void fail(std::string why);
  // The same, blaming the line the next read would start on (a record too
  // many, say).
  void failAtNextLine(std::string why);

  bool failed() const { return !status_.ok(); }
  const Status& status() const { return status_; }
  // 1-based number of the line the next read starts on.
  std::size_t lineNumber() const { return line_; }
  // 1-based number of the line the last value came from.
  std::size_t lastLine() const { return last_; }

 private:
  void failAt(std::size_t line, std::string why);
  bool numberField(long long lo, long long hi, long long& value);
  std::string_view rawField();
  void passSeparator();
  void skipBlanks();
  bool atLineEnd() const;
  void passLineEnd();

  std::string data_;
  std::size_t pos_ = 0;
  std::size_t line_ = 1;
  std::size_t last_ = 1;
  Status status_;
};

// Why a line holding a NUL byte fails: the controls would show its value
// only up to the NUL, and "OK" would write it shortened.
inline constexpr const char* kNulInLine =
    "enth\xe4lt ein Nullzeichen (NUL), das sich nicht anzeigen l\xe4sst";

// A value as a message quotes it: in double quotes, cut after 40
// characters ("...").
std::string quoted(std::string_view value);

}  // namespace txt
