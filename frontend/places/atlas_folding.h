// The form in which atlas names and typed text are compared: lower-case Latin
// letters and digits, one blank between words. Case, accents, "ё"/"е" and
// hyphens make no difference, and Cyrillic is written in Latin letters
// ("Санкт-Петербург" and "Sankt-Peterburg" both read "sankt peterburg",
// "Ракаў" reads "rakau"), so either alphabet finds a name written in the other.
#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace frontend {

// Reads UTF-8 text and yields its folded form one byte at a time, without
// building it: the atlas compares typed text with names stored as UTF-8.
class FoldedReader {
 public:
  explicit FoldedReader(std::string_view utf8) : text_(utf8) {}

  // The next byte of the folded form, or 0 at the end.
  char Next();

  // Where in the text the letter that gave the last byte begins.
  std::size_t sourceOffset() const { return source_; }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
  std::string_view pending_;  // the rest of the current letter's Latin form
  bool blankDue_ = false;     // a word has ended; a blank goes before the next
  bool anyWritten_ = false;
  std::size_t source_ = 0;
};

// The folded form of UTF-8 text.
std::string FoldUtf8(std::string_view utf8);

// The folded form of typed text.
std::string FoldTyped(const QString& text);

}  // namespace frontend
