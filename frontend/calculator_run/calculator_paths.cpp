#include "frontend/calculator_run/calculator_paths.h"

#include <QFile>

#include "frontend/calculator_run/calculator_files.h"

namespace frontend {
namespace {

// The calculator ends a parameter-file line at CR and the file at 0x1A; the
// shell ends a script line at LF. A path holding one would be read as a
// shorter path, somewhere else.
bool HoldsLineEnd(const QString& path) {
  const QByteArray bytes = QFile::encodeName(path);
  return bytes.contains('\r') || bytes.contains('\n') || bytes.contains('\x1A');
}

bool LongerThan(const QString& path, int limit) {
  return QFile::encodeName(path).size() > limit;
}

}  // namespace

QString CalculatorPathProblem(const CalculatorFiles& files) {
  if (HoldsLineEnd(files.temporaryDirectory)) {
    return QStringLiteral("путь содержит знак конца строки (CR, LF или 0x1A)");
  }
  if (LongerThan(files.outputPath, kCalculatorLineLimit)) {
    return QStringLiteral("путь к файлам длиннее %1 байт, которые принимает калькулятор")
        .arg(kCalculatorLineLimit);
  }
  if (LongerThan(ParameterArgument(files), kCalculatorArgumentLimit)) {
    return QStringLiteral("имя файла параметров длиннее %1 байт, которые принимает калькулятор")
        .arg(kCalculatorArgumentLimit);
  }
  return {};
}

}  // namespace frontend
