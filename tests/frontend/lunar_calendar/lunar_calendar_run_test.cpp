// The lunar calendar's months computed by the real calculator: known months
// worked out from its tables, the month edges, the range of years, failures,
// and the calendar's files kept apart from the birth calculation's.
#include "frontend/lunar_calendar/lunar_calendar_months.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "frontend/calculator_run/calculator_setup.h"
#include "frontend/lunar_calendar/calendar_run_files.h"
#include "frontend/lunar_calendar/lunar_month.h"

namespace frontend {
namespace {

QByteArray MoonProgram() {
  QFile file(QStringLiteral(MOON_PROGRAM));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

CalendarPlace Place(const char* name, int32_t latitudeDegrees, int32_t latitudeMinutes,
                    int32_t longitudeDegrees, int32_t longitudeMinutes,
                    int32_t zoneMinutes = 3 * 60) {
  return {QString::fromUtf8(name),
          zoneMinutes,
          {},
          {latitudeDegrees < 0, std::abs(latitudeDegrees), latitudeMinutes},
          {longitudeDegrees < 0, std::abs(longitudeDegrees), longitudeMinutes}};
}

const CalendarPlace kMinsk = Place("Минск", 53, 54, 27, 34);
const CalendarPlace kMurmansk = Place("Мурманск", 68, 59, 33, 6);

LocalMoment At(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute) {
  return {year, month, day, (hour * 60 + minute) * 60};
}

// To the minute: a run started elsewhere can differ by a second.
LocalMoment Minute(const LocalMoment& moment) {
  return {moment.year, moment.month, moment.day, moment.secondOfDay / 60 * 60};
}

// Each lunar day that begins in the month from `from` (seconds) on and before
// `to`: its number and start.
std::vector<std::pair<int32_t, int64_t>> StartsBetween(const LunarMonth& month, int64_t from,
                                                       int64_t to) {
  std::vector<std::pair<int32_t, int64_t>> starts;
  for (const CalendarDay& date : month.days) {
    for (const LunarDaySpan& day : date.lunarDays) {
      const int64_t start = SecondsOf(day.start.local());
      if (date.Begins(day) && start >= from && start < to) starts.emplace_back(day.number, start);
    }
  }
  return starts;
}

std::vector<int32_t> Numbers(const CalendarDay& day) {
  std::vector<int32_t> numbers;
  for (const LunarDaySpan& lunarDay : day.lunarDays) numbers.push_back(lunarDay.number);
  return numbers;
}

class CalendarMonths : public ::testing::Test {
 protected:
  void SetUp() override {
    files_ = SetUpCalculatorFiles({{root_.path(), QStringLiteral("velunor")}}, MoonProgram());
    ASSERT_TRUE(files_.usable()) << files_.unusableReason.toStdString();
    months_.SetFiles(files_);
  }
  void TearDown() override {
    months_.run().Stop();
    RemoveCalculatorFiles(files_);
  }

  struct Answer {
    const LunarMonth* month = nullptr;
    QString failure;
  };

  // Wants the month and waits for its answer; the limit only ends a hang.
  Answer Compute(const CalendarPlace& place, const YearMonth& month) {
    Answer answer;
    bool answered = false;
    QEventLoop loop;
    const auto ready =
        QObject::connect(&months_, &LunarCalendarMonths::monthReady, [&](const YearMonth& done) {
          if (!(done == month)) return;
          answer.month = months_.Known(place, month);
          answered = true;
          loop.quit();
        });
    const auto failed = QObject::connect(&months_, &LunarCalendarMonths::monthFailed,
                                         [&](const YearMonth& done, const QString& reason) {
                                           if (!(done == month)) return;
                                           answer.failure = reason;
                                           answered = true;
                                           loop.quit();
                                         });
    months_.Want(place, month);
    if (!answered) {
      QTimer::singleShot(60'000, &loop, &QEventLoop::quit);
      loop.exec();
    }
    QObject::disconnect(ready);
    QObject::disconnect(failed);
    EXPECT_TRUE(answered);
    return answer;
  }

  // The month agrees with a calculator's table: every date has a lunar day,
  // each lunar day ends where the next begins, and the numbers run on by one
  // or restart at 1 with a new moon.
  static void ExpectWhole(const LunarMonth& month) {
    const LunarDaySpan* previous = nullptr;
    for (const CalendarDay& date : month.days) {
      EXPECT_FALSE(date.lunarDays.empty()) << date.date.day;
      for (const LunarDaySpan& day : date.lunarDays) {
        EXPECT_LT(SecondsOf(day.start.local()), SecondsOf(day.end.local()));
        if (previous != nullptr && previous->start == day.start) continue;  // seen the day before
        if (previous != nullptr) {
          EXPECT_EQ(previous->end, day.start);
          EXPECT_TRUE(day.number == previous->number + 1 || day.newMoon())
              << previous->number << " then " << day.number;
        }
        previous = &day;
      }
    }
  }

  QTemporaryDir root_;
  CalculatorFiles files_;
  LunarCalendarMonths months_;
};

TEST_F(CalendarMonths, December2026AtMinskHasTheNewMoonOfThe9th) {
  const Answer answer = Compute(kMinsk, {2026, 12});
  ASSERT_NE(answer.month, nullptr) << answer.failure.toStdString();
  const LunarMonth& december = *answer.month;
  ASSERT_EQ(december.days.size(), 31u);
  ExpectWhole(december);
  // From the calculator's table: the 22nd lunar day began on 30 November at
  // 23:57 and lasts all of 1 December; on the 9th the new moon at 3:53 ends
  // the 29th and starts the 1st, and the moon rising at 9:35 starts the 2nd.
  ASSERT_EQ(Numbers(december.days[0]), std::vector<int32_t>{22});
  EXPECT_EQ(Minute(december.days[0].lunarDays[0].start.local()), At(2026, 11, 30, 23, 57));
  const CalendarDay& ninth = december.days[8];
  ASSERT_EQ(Numbers(ninth), (std::vector<int32_t>{29, 1, 2}));
  EXPECT_TRUE(ninth.lunarDays[1].newMoon());
  EXPECT_EQ(Minute(ninth.lunarDays[1].start.local()), At(2026, 12, 9, 3, 53));
  EXPECT_EQ(Minute(ninth.lunarDays[2].start.local()), At(2026, 12, 9, 9, 35));
  // Months next to the one wanted are computed ahead, for this place only.
  for (int i = 0; i < 100 && months_.computing(); ++i) {
    QEventLoop().processEvents(QEventLoop::WaitForMoreEvents, 100);
  }
  EXPECT_NE(months_.Known(kMinsk, {2027, 1}), nullptr);
  EXPECT_NE(months_.Known(kMinsk, {2026, 11}), nullptr);
  EXPECT_EQ(months_.Known(kMurmansk, {2027, 1}), nullptr);
}

TEST_F(CalendarMonths, August2027HasTwoNewMoons) {
  const Answer answer = Compute(kMinsk, {2027, 8});
  ASSERT_NE(answer.month, nullptr) << answer.failure.toStdString();
  ExpectWhole(*answer.month);
  std::vector<LocalMoment> newMoons;
  for (const CalendarDay& date : answer.month->days) {
    for (const LunarDaySpan& day : date.lunarDays) {
      if (day.newMoon() && date.Begins(day)) newMoons.push_back(Minute(day.start.local()));
    }
  }
  EXPECT_EQ(newMoons, (std::vector<LocalMoment>{At(2027, 8, 2, 13, 6), At(2027, 8, 31, 20, 43)}));
}

TEST_F(CalendarMonths, February2028EndsWithThe29th) {
  const Answer answer = Compute(kMinsk, {2028, 2});
  ASSERT_NE(answer.month, nullptr) << answer.failure.toStdString();
  ExpectWhole(*answer.month);
  ASSERT_EQ(answer.month->days.size(), 29u);
  const CalendarDay& leapDay = answer.month->days.back();
  EXPECT_EQ(leapDay.date, (CivilDate{2028, 2, 29}));
  ASSERT_EQ(Numbers(leapDay), (std::vector<int32_t>{4, 5}));
  EXPECT_EQ(Minute(leapDay.lunarDays[1].start.local()), At(2028, 2, 29, 9, 9));
  // The 5th lunar day ends on 1 March, with the moon rising at 9:26.
  EXPECT_EQ(Minute(leapDay.lunarDays[1].end.local()), At(2028, 3, 1, 9, 26));
}

TEST_F(CalendarMonths, NearThePolarCircleALunarDayLastsSixDays) {
  const Answer answer = Compute(kMurmansk, {2026, 10});
  ASSERT_NE(answer.month, nullptr) << answer.failure.toStdString();
  ExpectWhole(*answer.month);
  // The moon rose at Мурманск on 13 October at 12:35 and not again until
  // 19 October at 17:36: the 4th lunar day fills the dates between.
  for (int32_t day = 14; day <= 18; ++day) {
    const CalendarDay& date = answer.month->days[static_cast<std::size_t>(day - 1)];
    ASSERT_EQ(Numbers(date), std::vector<int32_t>{4}) << day;
    EXPECT_EQ(Minute(date.lunarDays[0].start.local()), At(2026, 10, 13, 12, 35));
    EXPECT_EQ(Minute(date.lunarDays[0].end.local()), At(2026, 10, 19, 17, 36));
  }
}

TEST_F(CalendarMonths, AZoneWithMinutesShowsEveryStartOnItsOwnClock) {
  // Калькутта's coordinates on +5, then on +5:30 and Kathmandu's +5:45: the
  // moonrises and new moons are the same instants, so every start on the
  // whole-hour zone shows 30 or 45 minutes later.
  const CalendarPlace onFive = Place("Калькутта", 22, 34, 88, 22, 5 * 60);
  const Answer whole = Compute(onFive, {2024, 3});
  ASSERT_NE(whole.month, nullptr) << whole.failure.toStdString();
  // Away from the month's edges, where a start may move to the next month.
  const int64_t from = SecondsOf(At(2024, 3, 2, 0, 0));
  const int64_t to = SecondsOf(At(2024, 3, 31, 0, 0));
  const auto expected = StartsBetween(*whole.month, from, to);
  ASSERT_GE(expected.size(), 25u);
  for (const int32_t minutes : {30, 45}) {
    SCOPED_TRACE(minutes);
    CalendarPlace place = onFive;
    place.zoneOffsetMinutes += minutes;
    const Answer answer = Compute(place, {2024, 3});
    ASSERT_NE(answer.month, nullptr) << answer.failure.toStdString();
    ExpectWhole(*answer.month);
    const auto starts = StartsBetween(*answer.month, from + minutes * 60, to + minutes * 60);
    ASSERT_EQ(starts.size(), expected.size());
    for (std::size_t i = 0; i < starts.size(); ++i) {
      EXPECT_EQ(starts[i].first, expected[i].first);
      // A run started elsewhere can differ by a second.
      EXPECT_NEAR(starts[i].second - expected[i].second, minutes * 60, 1) << i;
    }
  }
}

TEST_F(CalendarMonths, TheFirstMonthIsComputedOnAZoneWithMinutes) {
  // Its first midnight at +5:30 is 23:30 on +5 in year 99, which the
  // calculator cannot take; the run goes on +6 instead.
  const Answer answer =
      Compute(Place("Калькутта", 22, 34, 88, 22, 5 * 60 + 30), FirstCalendarMonth());
  ASSERT_NE(answer.month, nullptr) << answer.failure.toStdString();
  ExpectWhole(*answer.month);
}

TEST(CalendarToday, TheDateTurnsAtTheLocalMidnightOfTheWholeOffset) {
  const QDateTime utc(QDate(2024, 3, 10), QTime(18, 20), Qt::UTC);
  // 18:20 UT is 00:05 on the 11th at +5:45 but still 23:20 on the 10th at +5.
  EXPECT_EQ(LocalNowAt(Place("Катманду", 27, 42, 85, 19, 5 * 60 + 45), utc), At(2024, 3, 11, 0, 5));
  EXPECT_EQ(LocalNowAt(Place("Катманду", 27, 42, 85, 19, 5 * 60), utc), At(2024, 3, 10, 23, 20));
  // West of Greenwich: 18:20 UT is 14:50 at -3:30.
  EXPECT_EQ(LocalNowAt(Place("Сент-Джонс", 47, 34, -52, 43, -(3 * 60 + 30)), utc),
            At(2024, 3, 10, 14, 50));
}

TEST_F(CalendarMonths, TheFirstAndLastMonthsOfTheRangeAreComputedAndNoneBeyond) {
  for (const YearMonth month : {FirstCalendarMonth(), LastCalendarMonth()}) {
    const Answer answer = Compute(kMinsk, month);
    ASSERT_NE(answer.month, nullptr) << month.year << ": " << answer.failure.toStdString();
    ExpectWhole(*answer.month);
  }
  EXPECT_EQ(FirstCalendarMonth(), (YearMonth{100, 1}));
  const Answer beyond = Compute(kMinsk, AddMonths(LastCalendarMonth(), 1));
  EXPECT_EQ(beyond.month, nullptr);
  EXPECT_TRUE(beyond.failure.contains(QStringLiteral("вне диапазона")))
      << beyond.failure.toStdString();
}

TEST_F(CalendarMonths, AFailureComesWithItsReason) {
  const Answer badLatitude = Compute(Place("", 90, 60, 27, 34), {2026, 12});
  EXPECT_EQ(badLatitude.month, nullptr);
  EXPECT_TRUE(badLatitude.failure.contains(QStringLiteral("Широта 90° 60′")))
      << badLatitude.failure.toStdString();

  CalculatorFiles none;
  none.unusableReason = QStringLiteral("ни один каталог не подошел");
  months_.SetFiles(none);
  const Answer noFiles = Compute(kMinsk, {2026, 12});
  EXPECT_EQ(noFiles.month, nullptr);
  EXPECT_TRUE(noFiles.failure.contains(none.unusableReason)) << noFiles.failure.toStdString();
}

TEST_F(CalendarMonths, CalendarRunsLeaveTheBirthRunsFilesAlone) {
  QFile birthTable(files_.outputPath);
  ASSERT_TRUE(birthTable.open(QIODevice::WriteOnly));
  birthTable.write("the birth calculation's table");
  birthTable.close();
  ASSERT_NE(Compute(kMinsk, {2026, 12}).month, nullptr);
  const CalculatorFiles calendar = CalendarRunFilesOf(files_);
  for (const QString* path :
       {&calendar.scriptPath, &calendar.flagPath, &calendar.parameterPath, &calendar.outputPath}) {
    EXPECT_TRUE(QFile::exists(*path)) << path->toStdString();
    EXPECT_NE(*path, files_.scriptPath);
    EXPECT_NE(*path, files_.flagPath);
    EXPECT_NE(*path, files_.parameterPath);
    EXPECT_NE(*path, files_.outputPath);
  }
  ASSERT_TRUE(birthTable.open(QIODevice::ReadOnly));
  EXPECT_EQ(birthTable.readAll(), "the birth calculation's table");
  EXPECT_FALSE(QFile::exists(files_.parameterPath));
}

TEST(CalendarFiles, AreRemovedAtExitAndReclaimedAfterAKilledProgram) {
  QTemporaryDir root;
  const QString directory = root.path() + QStringLiteral("/velunor/");
  ASSERT_TRUE(QDir().mkpath(directory));
  // Left by a program killed during a calendar run.
  for (const char* name : {"~luna1.in", "~luna1.out", "~luna4.fla", "~luna4.bat"}) {
    QFile file(directory + QLatin1String(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  CalculatorFiles files =
      SetUpCalculatorFiles({{root.path(), QStringLiteral("velunor")}}, MoonProgram());
  ASSERT_TRUE(files.usable()) << files.unusableReason.toStdString();
  EXPECT_EQ(QDir(directory).entryList(QDir::Files | QDir::Hidden, QDir::Name),
            QStringList({"~moon1.bat", "~moon1.exe"}));

  const CalculatorFiles calendar = CalendarRunFilesOf(files);
  for (const QString& path : {calendar.scriptPath, calendar.outputPath}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  RemoveCalculatorFiles(files);
  EXPECT_FALSE(QDir(directory).exists());
}

}  // namespace
}  // namespace frontend
