#include "calculator/line_reader.h"

#include <cerrno>

namespace moon {
namespace {

constexpr int kEndOfFileMark = 0x1A;

}  // namespace

int LineReader::NextByte() {
  if (atEnd_) return EOF;
  errno = 0;
  const int c = std::getc(file_);
  if (c == EOF) {
    if (std::ferror(file_)) error_ = errno != 0 ? errno : EIO;
    atEnd_ = true;
    return EOF;
  }
  if (c == kEndOfFileMark) {
    atEnd_ = true;
    return EOF;
  }
  return c;
}

int LineReader::ReadLine(std::string& line) {
  line.clear();
  std::size_t length = 0;
  for (;;) {
    const int c = NextByte();
    if (c == EOF) break;
    if (c == '\r') {
      const int next = NextByte();
      if (next != '\n' && next != EOF) std::ungetc(next, file_);
      break;
    }
    if (++length > kMaxPhysicalLineLength) return kLineTooLongError;
    if (line.size() < kMaxLineLength) line.push_back(static_cast<char>(c));
  }
  return error_;
}

}  // namespace moon
