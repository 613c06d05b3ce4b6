// The calculator run of the main window: the core's calculation, with the
// progress dialog showing the wait and the result dialog any failure.
#include <QPlainTextEdit>

#include "frontend/calculator_run/calculator_files.h"
#include "frontend/calculator_run/failure_report.h"
#include "frontend/calculator_run/termination.h"
#include "frontend/dialogs/Resultdlg.h"
#include "frontend/dialogs/progressdialog.h"
#include "frontend/horoscope/calculation.h"
#include "frontend/main_window/Unit1.h"
#include "frontend/resources/builtin_data.h"

void TForm1::PrepareCalculatorFiles() {
  calculation_ = std::make_unique<frontend::Calculation>(tables);
}

void TForm1::WriteCalculatorExecutable() {
  calculation_->SetUpCalculator(LoadCalculatorProgram());
}

frontend::Horoscope TForm1::Calculate(const frontend::BirthData& birth) {
  frontend::CalculationResult result = calculation_->Calculate(
      birth, [this](const frontend::CalculatorFiles& files) { return OKBottomDlg->Run(&files); });
  if (result.outcome.ok()) {
    QStringList table;
    // The table is ASCII, as every file the calculator writes.
    for (const std::string& line : result.outcome.table) table.append(QString::fromLatin1(line));
    Memo1->setPlainText(table.join(QLatin1Char('\n')));
  }
  // A run abandoned because the window closed or the program is ending is no
  // failure to report.
  const QString report = frontend::FailureReport(result.outcome);
  if (!report.isEmpty() && !frontend::TerminationRequested() && isVisible()) {
    OKBottomDlg1->SetMessage(report);
    OKBottomDlg1->exec();
  }
  return std::move(result.horoscope);
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
  if (calculation_ != nullptr) calculation_->RemoveFiles();
}
