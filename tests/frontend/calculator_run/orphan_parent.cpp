// Stands in for the program in the orphan test: holds a run lock on
// argv[3], starts the script argv[1] in directory argv[2] the way a
// calculation does, prints the script's process group and then waits to be
// killed.
#include <sys/file.h>

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "frontend/calculator_run/calculator_process.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  if (argc != 4) return 2;
  QFile lockFile(QFile::decodeName(argv[3]));
  if (!lockFile.open(QIODevice::ReadOnly) || ::flock(lockFile.handle(), LOCK_SH) != 0) return 3;
  frontend::CalculatorProcess calculator;
  if (!calculator.Start(QFile::decodeName(argv[1]), QFile::decodeName(argv[2]),
                        lockFile.handle())) {
    return 4;
  }
  std::printf("%lld\n", static_cast<long long>(calculator.processGroup()));
  std::fflush(stdout);
  return application.exec();
}
