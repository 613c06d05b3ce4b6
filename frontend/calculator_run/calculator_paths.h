// What the paths of the calculator's files must respect so that the calculator
// and the script receive them whole.
#pragma once

#include <QString>

namespace frontend {
struct CalculatorFiles;
}  // namespace frontend

namespace frontend {

// The calculator keeps at most this many bytes of a parameter-file line (the
// output path is one) ...
inline constexpr int kCalculatorLineLimit = 255;
// ... and of its command-line argument, the parameter file's name.
inline constexpr int kCalculatorArgumentLimit = 80;

// Empty when every path of `files` reaches the calculator and the script
// unchanged; otherwise why not, in Russian. Nothing is cut to make a path fit:
// a cut path names another file, perhaps one that someone else put there.
QString CalculatorPathProblem(const CalculatorFiles& files);

}  // namespace frontend
