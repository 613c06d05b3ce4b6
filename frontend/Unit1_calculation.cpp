// The calculator run of the main window: temporary files, the parameter file,
// the progress dialog and the lunar day of birth.
#include "frontend/Unit1.h"

#include "frontend/calculator_files.h"

void TForm1::PrepareCalculatorFiles() {}

void TForm1::WriteCalculatorExecutable() {}

QString TForm1::RunCalculatorForLunarDay() {
  return {};
}

void TForm1::RemoveCalculatorFiles() {}
