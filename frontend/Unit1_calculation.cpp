// The calculator run of the main window: temporary files, the parameter file,
// the progress dialog, the report of a failed run and the lunar day of birth.
#include "frontend/Unit1.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QtDebug>

#include "frontend/Resultdlg.h"
#include "frontend/core/calculator_files.h"
#include "frontend/core/calculator_setup.h"
#include "frontend/core/failure_report.h"
#include "frontend/core/lunar_day_of_birth.h"
#include "frontend/core/parameter_file.h"
#include "frontend/core/private_directory.h"
#include "frontend/core/termination.h"
#include "frontend/core/windows1251.h"
#include "frontend/progressdialog.h"
#include "frontend/resources.h"

namespace {

bool WriteParameterFile(const CalculatorFiles& files, const frontend::CalculatorInput& input) {
  const std::string text =
      frontend::ParameterFileText(input, QFile::encodeName(files.outputPath).toStdString());
  QSaveFile file(files.parameterPath);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(text.data(), static_cast<qint64>(text.size()));
  return file.commit();
}

}  // namespace

void TForm1::PrepareCalculatorFiles() {
  calculatorFiles_ = std::make_unique<CalculatorFiles>();
  // Files of copies that were killed before they could remove them.
  frontend::ReclaimAbandonedRunsEverywhere(frontend::CalculatorDirectoryCandidates());
}

void TForm1::WriteCalculatorExecutable() {
  const QByteArray program = LoadResource(QStringLiteral("moon_exe"), QStringLiteral("MOON_EXE"));
  // Where the calculator cannot be written or run, the next directory serves;
  // with none, every calculation reports the reason and the solar results
  // still work.
  *calculatorFiles_ =
      frontend::SetUpCalculatorFiles(frontend::CalculatorDirectoryCandidates(), program);
  if (!calculatorFiles_->usable()) qWarning().noquote() << calculatorFiles_->unusableReason;
}

frontend::RunOutcome TForm1::RunCalculator(const frontend::BirthData& birth) {
  frontend::RunOutcome outcome;
  if (calculatorFiles_ == nullptr || !calculatorFiles_->usable() ||
      !calculatorFiles_->unusableReason.isEmpty()) {
    outcome.failure = frontend::RunFailure::kFilesUnusable;
    if (calculatorFiles_ != nullptr) outcome.detail = calculatorFiles_->unusableReason;
    return outcome;
  }
  const frontend::CalculatorInput typed = frontend::CalculatorInputOf(birth);
  frontend::CalculatorInput input = typed;
  if (const auto problem = frontend::CarryWholeDegrees(input);
      problem != frontend::CoordinateProblem::kNone) {
    outcome.failure = frontend::RunFailure::kCoordinateOutOfRange;
    outcome.detail = frontend::CoordinateRangeText(problem, typed);
    return outcome;
  }
  // A parameter file that cannot be written would leave the previous
  // calculation's inputs in place, so the run is not even started.
  if (!WriteParameterFile(*calculatorFiles_, input)) {
    outcome.failure = frontend::RunFailure::kParameterFileNotWritten;
    return outcome;
  }
  return OKBottomDlg->Run(calculatorFiles_.get());
}

std::string TForm1::RunCalculatorForLunarDay(const frontend::BirthData& birth) {
  frontend::RunOutcome outcome = RunCalculator(birth);
  std::string lunarDay;
  if (outcome.ok()) {
    QStringList table;
    for (const std::string& line : outcome.table) table.append(DecodeWindows1251(line));
    Memo1->setPlainText(table.join(QLatin1Char('\n')));
    lunarDay = frontend::LunarDayOfBirth(outcome.table, frontend::BirthMomentOf(birth));
    if (lunarDay.empty()) outcome.failure = frontend::RunFailure::kNoLunarDay;
  }
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
