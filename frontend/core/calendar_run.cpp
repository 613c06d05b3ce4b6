#include "frontend/core/calendar_run.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>

#include "content/tables.h"
#include "frontend/core/calculator_paths.h"
#include "frontend/core/calendar_run_files.h"
#include "frontend/core/failure_report.h"
#include "frontend/core/parameter_file.h"

namespace frontend {
namespace {

RunOutcome Failure(RunFailure failure, QString detail = {}) {
  RunOutcome outcome;
  outcome.failure = failure;
  outcome.detail = std::move(detail);
  return outcome;
}

bool RemoveOld(const QString& path) {
  return QFile::remove(path) || !QFileInfo(path).exists();
}

bool WriteText(const QString& path, const std::string& text) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(text.data(), static_cast<qint64>(text.size()));
  return file.commit();
}

}  // namespace

bool CalendarPlace::operator==(const CalendarPlace& other) const {
  return name == other.name && zoneOffsetMinutes == other.zoneOffsetMinutes &&
         zoneName == other.zoneName && latitude.degrees == other.latitude.degrees &&
         latitude.minutes == other.latitude.minutes &&
         longitude.degrees == other.longitude.degrees &&
         longitude.minutes == other.longitude.minutes;
}

CalendarPlace CalendarPlaceOf(const BirthData& birth) {
  return {birth.place, ZoneOffsetMinutes(birth), birth.zoneName, birth.latitude, birth.longitude};
}

LocalMoment LocalNowAt(const CalendarPlace& place, const QDateTime& utc) {
  const QDateTime local = utc.toUTC().addSecs(int64_t{place.zoneOffsetMinutes} * 60);
  const CivilDate date = CivilDateOf(local.date().toJulianDay());
  return {date.year, date.month, date.day, local.time().msecsSinceStartOfDay() / 1000};
}

CalculatorClock CalendarRunClock(const CalendarRunRequest& request) {
  // From the first midnight of the month, local time.
  return CalculatorClockOf({request.firstMonth.year, request.firstMonth.month, 1, 0},
                           request.place.zoneOffsetMinutes);
}

CalendarRun::CalendarRun(QObject* parent) : QObject(parent) {
  limitTimer_ = new QTimer(this);
  limitTimer_->setSingleShot(true);
  connect(limitTimer_, &QTimer::timeout, this, &CalendarRun::WaitLimitReached);
  connect(&calculator_, &CalculatorProcess::finished, this, &CalendarRun::ScriptFinished);
}

void CalendarRun::SetFiles(const CalculatorFiles& birthRun) {
  Stop();
  files_ = birthRun.usable() ? CalendarRunFilesOf(birthRun) : birthRun;
  scriptWritten_ = false;
}

bool CalendarRun::Start(const CalendarRunRequest& request) {
  if (running_) return false;
  running_ = true;
  ++generation_;
  request_ = request;
  RunOutcome failure = Launch(request);
  if (failure.ok()) {
    limitTimer_->start(waitLimit_);
  } else {
    // Reported from the event loop, like the end of a run that did start.
    QTimer::singleShot(0, this, [this, failure = std::move(failure), run = generation_] {
      if (running_ && run == generation_) Finish(failure);
    });
  }
  return true;
}

RunOutcome CalendarRun::Launch(const CalendarRunRequest& request) {
  if (!files_.usable()) return Failure(RunFailure::kFilesUnusable, files_.unusableReason);
  if (QString problem = CalculatorPathProblem(files_); !problem.isEmpty()) {
    return Failure(RunFailure::kFilesUnusable, problem);
  }
  const CalculatorClock clock = CalendarRunClock(request);
  CalculatorInput typed;
  typed.day = clock.moment.day;
  typed.month = clock.moment.month;
  typed.year = clock.moment.year;
  typed.hour = clock.moment.secondOfDay / 3600;
  typed.minute = clock.moment.secondOfDay / 60 % 60;
  typed.timeZone = clock.zoneHours;
  typed.latitudeDegrees = request.place.latitude.degrees;
  typed.latitudeMinutes = request.place.latitude.minutes;
  typed.longitudeDegrees = request.place.longitude.degrees;
  typed.longitudeMinutes = request.place.longitude.minutes;
  CalculatorInput input = typed;
  if (const auto problem = CarryWholeDegrees(input); problem != CoordinateProblem::kNone) {
    return Failure(RunFailure::kCoordinateOutOfRange, CoordinateRangeText(problem, typed));
  }
  if (!scriptWritten_) {
    if (!WriteScript(files_)) return Failure(RunFailure::kNotStarted);
    scriptWritten_ = true;
  }
  // The previous run's table must not be taken for this one's.
  if (!RemoveOld(files_.flagPath) || !RemoveOld(files_.outputPath)) {
    return Failure(RunFailure::kOldFilesRemain);
  }
  const std::string text = ParameterFileText(
      input, QFile::encodeName(files_.outputPath).toStdString(), request.lunations);
  if (!WriteText(files_.parameterPath, text)) return Failure(RunFailure::kParameterFileNotWritten);
  if (!calculator_.Start(files_.scriptPath, files_.temporaryDirectory)) {
    return Failure(RunFailure::kNotStarted);
  }
  return {};
}

void CalendarRun::ScriptFinished(bool normally) {
  if (!running_) return;
  RunOutcome outcome;
  outcome.calculatorOutput = calculator_.output().toStdString();
  // The script writes the flag after the calculator has ended: only then is
  // the table whole.
  QFile table(files_.outputPath);
  if (normally && QFileInfo::exists(files_.flagPath) && table.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = table.readAll();
    if (table.error() == QFileDevice::NoError) {
      outcome.table = content::CutLines(std::string_view(bytes.constData(), bytes.size()));
      Finish(std::move(outcome));
      return;
    }
  }
  outcome.failure = RunFailure::kNoTable;
  Finish(std::move(outcome));
}

void CalendarRun::WaitLimitReached() {
  if (!running_) return;
  calculator_.Stop();
  RunOutcome outcome = Failure(RunFailure::kTimedOut);
  outcome.calculatorOutput = calculator_.output().toStdString();
  Finish(std::move(outcome));
}

void CalendarRun::Finish(RunOutcome outcome) {
  limitTimer_->stop();
  running_ = false;
  emit finished(request_, outcome);
}

void CalendarRun::Stop() {
  limitTimer_->stop();
  running_ = false;
  ++generation_;
  calculator_.Stop();
}

}  // namespace frontend
