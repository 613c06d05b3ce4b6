// One calculation, from the birth data to the complete horoscope, for the
// window and the command line alike: the calculator's files are set up once in
// a private directory and removed with the calculation; each birth writes the
// parameter file, runs the calculator, takes the lunar day of birth from its
// table and composes every page, with the reason when the lunar part failed.
#pragma once

#include <QByteArray>
#include <functional>
#include <memory>

#include "content/compose.h"
#include "frontend/birth/birth_data.h"
#include "frontend/calculator_run/run_outcome.h"
#include "frontend/horoscope/horoscope.h"

namespace frontend {

struct CalculatorFiles;

struct CalculationResult {
  Horoscope horoscope;  // complete; calculatorFailure set when the lunar part failed
  RunOutcome outcome;   // the calculator run behind it: its table, or why it failed
};

class Calculation {
 public:
  // Runs the calculator's script of `files` and returns once it has ended:
  // the window shows the wait in its progress dialog, the command line just
  // waits.
  using RunCalculator = std::function<RunOutcome(const CalculatorFiles& files)>;

  explicit Calculation(const content::ReferenceTables& tables);
  // Removes the calculator's files.
  ~Calculation();
  Calculation(const Calculation&) = delete;
  Calculation& operator=(const Calculation&) = delete;

  // Files left by copies that were killed are reclaimed first; then the
  // calculator's files are set up with `program` as its executable. Where no
  // directory serves, every calculation reports why and the other pages are
  // still composed.
  void SetUpCalculator(const QByteArray& program);

  CalculationResult Calculate(const BirthData& birth, const RunCalculator& run) const;

  // The same calculation with the run awaited in a local event loop; needs a
  // running QCoreApplication.
  CalculationResult CalculateAndWait(const BirthData& birth) const;

  // The files the calculator's other runs (the lunar calendar) share.
  const CalculatorFiles& files() const { return *files_; }

  // Removes the calculator's files now (the destructor does it otherwise).
  void RemoveFiles();

 private:
  const content::ReferenceTables& tables_;
  std::unique_ptr<CalculatorFiles> files_;
};

}  // namespace frontend
