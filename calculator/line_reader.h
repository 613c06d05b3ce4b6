// Line reading of the parameter file: a line ends at CR (a following LF is
// skipped) or at the end of the file; the byte 0x1A also ends the file. A
// lone LF is an ordinary byte.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace moon {

inline constexpr std::size_t kMaxLineLength = 255;

class LineReader {
 public:
  explicit LineReader(std::FILE* file) : file_(file) {}

  // Reads the next line, cut to kMaxLineLength bytes (the rest of it is
  // skipped). Past the end of the file the line is empty. Returns 0, or the
  // system error number when reading fails.
  int ReadLine(std::string& line);

 private:
  // The next byte, or EOF at the end of the file (0x1A included).
  int NextByte();

  std::FILE* file_;
  bool atEnd_ = false;
  int error_ = 0;
};

}  // namespace moon
