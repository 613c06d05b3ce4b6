#include "calculator/number_scan.h"

namespace moon {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::string> NumberScanner::NextToken(Minus minus, std::size_t maxLength) {
  const bool allowMinus = minus == Minus::kIsSign;
  while (position_ < line_.size() && !IsDigit(line_[position_]) &&
         !(allowMinus && line_[position_] == '-')) {
    ++position_;
  }
  if (position_ >= line_.size()) return std::nullopt;
  std::string token(1, line_[position_++]);
  while (position_ < line_.size()) {
    const char c = line_[position_++];
    if (!IsDigit(c)) break;  // the separator is consumed with the token
    if (token.size() + 1 > maxLength) return std::nullopt;
    token.push_back(c);
  }
  if (token.size() > maxLength) return std::nullopt;
  return token;
}

std::optional<int32_t> TokenValue(std::string_view token) {
  bool negative = false;
  if (!token.empty() && token.front() == '-') {
    negative = true;
    token.remove_prefix(1);
  }
  if (token.empty()) return std::nullopt;
  int64_t value = 0;
  for (char c : token) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

std::optional<int32_t> WholeLineInteger(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && line[i] == ' ') ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
  int base = 10;
  if (i < line.size() && line[i] == '$') {
    base = 16;
    ++i;
  }
  if (i >= line.size()) return std::nullopt;
  // Magnitude limit: 2^31 for a negative value, 2^31 - 1 otherwise.
  const int64_t limit = negative ? int64_t{INT32_MAX} + 1 : int64_t{INT32_MAX};
  int64_t value = 0;
  for (; i < line.size(); ++i) {
    const int digit = base == 16 ? HexDigitValue(line[i]) : (IsDigit(line[i]) ? line[i] - '0' : -1);
    if (digit < 0) return std::nullopt;
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace moon
