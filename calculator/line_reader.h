// Line reading of the parameter file: a line ends at CR (a following LF is
// skipped) or at the end of the file; the byte 0x1A also ends the file. A
// lone LF is an ordinary byte.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <string>

namespace moon {

inline constexpr std::size_t kMaxLineLength = 255;
// Longest line read at all, in bytes, its skipped rest included. A parameter file holds
// ten short lines; anything longer is not one (an endless input such as
// /dev/zero would otherwise be read for ever).
inline constexpr std::size_t kMaxPhysicalLineLength = 64 * 1024;
// The error number ReadLine reports for such a line.
inline constexpr int kLineTooLongError = EFBIG;

class LineReader {
 public:
  explicit LineReader(std::FILE* file) : file_(file) {}

  // Reads the next line, cut to kMaxLineLength bytes (the rest of it is
  // skipped). Past the end of the file the line is empty. Returns 0, or the
  // system error number when reading fails, or kLineTooLongError (without
  // reading further) when the line holds more than kMaxPhysicalLineLength
  // bytes before its end.
  int ReadLine(std::string& line);

 private:
  // The next byte, or EOF at the end of the file (0x1A included).
  int NextByte();

  std::FILE* file_;
  bool atEnd_ = false;
  int error_ = 0;
};

}  // namespace moon
