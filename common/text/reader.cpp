#include "text/reader.h"

#include "text/numbers.h"

namespace txt {

namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';
}  // namespace

void Reader::fail(std::string why) { failAt(last_, std::move(why)); }

void Reader::failAtNextLine(std::string why) { failAt(line_, std::move(why)); }

void Reader::failAt(std::size_t line, std::string why) {
  if (!failed()) status_ = Status::FailAt(line, why);
}

std::string quoted(std::string_view value) {
  constexpr std::size_t kShown = 40;
  std::string out = "\"";
  out += value.substr(0, kShown);
  if (value.size() > kShown) out += "...";
  return out + "\"";
}

bool Reader::atLineEnd() const {
  if (pos_ >= data_.size()) return true;
  if (data_[pos_] == kLF) return true;
  return data_[pos_] == kCR && pos_ + 1 < data_.size() && data_[pos_ + 1] == kLF;
}

void Reader::passLineEnd() {
  if (pos_ >= data_.size()) return;
  if (data_[pos_] == kCR) ++pos_;
  if (pos_ < data_.size() && data_[pos_] == kLF) ++pos_;
  ++line_;
}

void Reader::skipBlanks() {
  while (pos_ < data_.size() && data_[pos_] == ' ') ++pos_;
}

bool Reader::line(std::string& out) {
  if (atEnd()) {
    failAt(line_, "fehlt (die Datei endet vorher)");
    return false;
  }
  last_ = line_;
  std::size_t start = pos_;
  while (!atLineEnd()) ++pos_;
  if (std::string_view(data_).substr(start, pos_ - start).find('\0') != std::string_view::npos) {
    failAt(line_, kNulInLine);
    return false;
  }
  out.assign(data_, start, pos_ - start);
  passLineEnd();
  return true;
}

std::string_view Reader::rawField() {
  std::size_t start = pos_;
  while (!atLineEnd() && data_[pos_] != ' ' && data_[pos_] != ',') ++pos_;
  return std::string_view(data_).substr(start, pos_ - start);
}

void Reader::passSeparator() {
  skipBlanks();
  if (pos_ < data_.size() && data_[pos_] == ',')
    ++pos_;
  else if (atLineEnd())
    passLineEnd();
}

bool Reader::numberField(long long lo, long long hi, long long& value) {
  if (atEnd()) {
    failAt(line_, "fehlt (die Datei endet vorher, erwartet wird eine Zahl)");
    return false;
  }
  const std::size_t at = last_ = line_;
  skipBlanks();
  std::string_view field = rawField();
  passSeparator();
  if (field.empty()) {
    value = 0;
    return true;
  }
  auto parsed = parseNumber(field);
  if (!parsed) {
    failAt(at, quoted(field) + " ist keine Zahl");
    return false;
  }
  double rounded = roundHalfEven(*parsed);
  if (rounded < static_cast<double>(lo) || rounded > static_cast<double>(hi)) {
    failAt(at, quoted(field) + " liegt nicht zwischen " + std::to_string(lo) + " und " + std::to_string(hi));
    return false;
  }
  value = static_cast<long long>(rounded);
  return true;
}

bool Reader::number(std::uint8_t& out) {
  long long v = 0;
  if (!numberField(0, 255, v)) return false;
  out = static_cast<std::uint8_t>(v);
  return true;
}

bool Reader::number(std::int16_t& out) {
  long long v = 0;
  if (!numberField(INT16_MIN, INT16_MAX, v)) return false;
  out = static_cast<std::int16_t>(v);
  return true;
}

bool Reader::number(std::int32_t& out) {
  long long v = 0;
  if (!numberField(INT32_MIN, INT32_MAX, v)) return false;
  out = static_cast<std::int32_t>(v);
  return true;
}

bool Reader::text(std::string& out) {
  if (atEnd()) {
    failAt(line_, "fehlt (die Datei endet vorher, erwartet wird ein Text)");
    return false;
  }
  last_ = line_;
  skipBlanks();
  if (pos_ < data_.size() && data_[pos_] == '"') {
    std::size_t start = ++pos_;
    while (pos_ < data_.size() && data_[pos_] != '"' && !atLineEnd()) ++pos_;
    if (std::string_view(data_).substr(start, pos_ - start).find('\0') != std::string_view::npos) {
      failAt(line_, kNulInLine);
      return false;
    }
    out.assign(data_, start, pos_ - start);
    if (pos_ < data_.size() && data_[pos_] == '"') ++pos_;
    // Whatever follows the closing quote up to the separator is dropped.
    while (!atLineEnd() && data_[pos_] != ',') ++pos_;
    passSeparator();
    return true;
  }
  std::size_t start = pos_;
  while (!atLineEnd() && data_[pos_] != ',') ++pos_;
  if (std::string_view(data_).substr(start, pos_ - start).find('\0') != std::string_view::npos) {
    failAt(line_, kNulInLine);
    return false;
  }
  std::size_t end = pos_;
  while (end > start && data_[end - 1] == ' ') --end;
  out.assign(data_, start, end - start);
  passSeparator();
  return true;
}

bool Reader::chars(std::size_t n, std::string& out) {
  if (failed()) return false;
  last_ = line_;
  if (data_.size() - pos_ < n) {
    failAt(line_, "die Datei endet vorher: " + std::to_string(n) + " Zeichen erwartet, nur " +
                      std::to_string(data_.size() - pos_) + " vorhanden");
    return false;
  }
  out.assign(data_, pos_, n);
  for (std::size_t i = pos_; i < pos_ + n; ++i)
    if (data_[i] == kLF) ++line_;
  pos_ += n;
  return true;
}

}  // namespace txt
