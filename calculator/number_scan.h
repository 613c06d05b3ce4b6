// Number reading for the parameter file: tokens picked out of free text, and
// whole-line integers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace moon {

// Walks a line left to right, picking out one number token per call; any
// non-digit text between numbers serves as a separator.
class NumberScanner {
 public:
  explicit NumberScanner(std::string_view line) : line_(line) {}

  // Whether a "-" just before a token's digits belongs to it (a sign) or
  // separates it from the previous one.
  enum class Minus { kSeparates, kIsSign };

  // The next token: a digit, or a "-" when `minus` is kIsSign, followed by
  // digits. The character after the token is consumed as its separator.
  // Empty when the line ends before a token starts or the token (the minus
  // counted) would be longer than maxLength.
  std::optional<std::string> NextToken(Minus minus, std::size_t maxLength);

 private:
  std::string_view line_;
  std::size_t position_ = 0;
};

// Value of a scanner token; empty for a lone "-".
std::optional<int32_t> TokenValue(std::string_view token);

// The whole line as one signed 32-bit integer: leading blanks, an optional
// sign, then decimal digits or "$" and hexadecimal digits, and nothing else.
// Empty when the text does not have that form or the value does not fit.
std::optional<int32_t> WholeLineInteger(std::string_view line);

}  // namespace moon
