// The calculator run of the main window: temporary files, the parameter file,
// the progress dialog, the report of a failed run and the lunar day of birth.
#include "frontend/main_window/Unit1.h"

#include <QPlainTextEdit>
#include <QtDebug>

#include "frontend/calculator_run/calculator_files.h"
#include "frontend/calculator_run/calculator_setup.h"
#include "frontend/calculator_run/failure_report.h"
#include "frontend/calculator_run/private_directory.h"
#include "frontend/calculator_run/run_preparation.h"
#include "frontend/calculator_run/termination.h"
#include "frontend/dialogs/Resultdlg.h"
#include "frontend/dialogs/progressdialog.h"
#include "frontend/horoscope/windows1251.h"
#include "frontend/resources/builtin_data.h"

void TForm1::PrepareCalculatorFiles() {
  calculatorFiles_ = std::make_unique<CalculatorFiles>();
  // Files of copies that were killed before they could remove them.
  frontend::ReclaimAbandonedRunsEverywhere(frontend::CalculatorDirectoryCandidates());
}

void TForm1::WriteCalculatorExecutable() {
  const QByteArray program = LoadCalculatorProgram();
  // Where the calculator cannot be written or run, the next directory serves;
  // with none, every calculation reports the reason and the solar results
  // still work.
  *calculatorFiles_ =
      frontend::SetUpCalculatorFiles(frontend::CalculatorDirectoryCandidates(), program);
  if (!calculatorFiles_->usable()) qWarning().noquote() << calculatorFiles_->unusableReason;
}

frontend::RunOutcome TForm1::RunCalculator(const frontend::BirthData& birth) {
  if (auto refused = frontend::PrepareCalculatorRun(calculatorFiles_.get(), birth)) {
    return *refused;
  }
  return OKBottomDlg->Run(calculatorFiles_.get());
}

std::string TForm1::RunCalculatorForLunarDay(const frontend::BirthData& birth) {
  frontend::RunOutcome outcome = RunCalculator(birth);
  if (outcome.ok()) {
    QStringList table;
    for (const std::string& line : outcome.table) table.append(DecodeWindows1251(line));
    Memo1->setPlainText(table.join(QLatin1Char('\n')));
  }
  const std::string lunarDay = frontend::TakeLunarDay(outcome, birth);
  // A run abandoned because the window closed or the program is ending is no
  // failure to report.
  const QString report = frontend::FailureReport(outcome);
  if (!report.isEmpty() && !TerminationRequested() && isVisible()) {
    OKBottomDlg1->SetMessage(report);
    OKBottomDlg1->exec();
  }
  return lunarDay;
}

bool TForm1::CalculationRunning() const {
  return OKBottomDlg != nullptr && OKBottomDlg->running();
}

void TForm1::AbandonCalculation() {
  OKBottomDlg->AbandonRun();
  RemoveCalculatorFiles();
}

void TForm1::RemoveCalculatorFiles() {
  // The calendar's run uses the same executable: it ends first.
  StopLunarCalendar();
  if (calculatorFiles_ != nullptr) frontend::RemoveCalculatorFiles(*calculatorFiles_);
}
