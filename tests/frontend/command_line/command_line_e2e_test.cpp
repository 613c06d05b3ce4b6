// `velunor --text` and `--json` as a script runs them: the worked example of
// the lunar calculation, and bad options.
#include <sys/stat.h>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <utility>
#include <vector>

namespace {

struct Run {
  int exitCode = -1;
  QString out;
  QString err;
};

Run Velunor(const QStringList& arguments, const QString& locale = QStringLiteral("C")) {
  QProcess program;
  // No display: the command line must not need one.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LC_ALL"), locale);
  environment.insert(QStringLiteral("LANG"), locale);
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(VELUNOR_PROGRAM), arguments);
  program.waitForFinished(120'000);
  return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
          QString::fromUtf8(program.readAllStandardOutput()),
          QString::fromUtf8(program.readAllStandardError())};
}

const QStringList kMinsk1990 = {
    QStringLiteral("--date"),  QStringLiteral("1990-05-17"), QStringLiteral("--time"),
    QStringLiteral("14:30"),   QStringLiteral("--zone"),     QStringLiteral("3"),
    QStringLiteral("--place"), QStringLiteral("Минск"),      QStringLiteral("--surname"),
    QStringLiteral("Петров"),  QStringLiteral("--name"),     QStringLiteral("Пётр")};

}  // namespace

class CommandLineE2eTest : public QObject {
  Q_OBJECT

 private slots:
  void textOfTheWorkedExample();
  void jsonOfTheWorkedExample();
  void theZoneOfThePlaceIsTakenWhenNoneIsGiven();
  void badOptionsPrintNothingAndFail();
  void aPlaceJustWestOfGreenwichStaysWest();
  void pathsThatAreNotUtf8AreRefusedNotReplaced();
};

void CommandLineE2eTest::aPlaceJustWestOfGreenwichStaysWest() {
  const Run run = Velunor(
      QStringList{QStringLiteral("--json"), QStringLiteral("--place"), QStringLiteral("London")} +
      kMinsk1990.mid(0, 6));
  QCOMPARE(run.exitCode, 0);
  const QJsonObject birth =
      QJsonDocument::fromJson(run.out.toUtf8()).object()[QStringLiteral("birth")].toObject();
  QCOMPARE(birth[QStringLiteral("longitude")].toObject()[QStringLiteral("arcMinutes")].toInt(), -8);
  QCOMPARE(birth[QStringLiteral("latitude")].toObject()[QStringLiteral("arcMinutes")].toInt(),
           51 * 60 + 31);
}

// HOME and TMPDIR holding a byte that is not UTF-8: the program must not
// make and use a directory of another name beside them.
void CommandLineE2eTest::pathsThatAreNotUtf8AreRefusedNotReplaced() {
  QTemporaryDir root;
  const QByteArray base = QFile::encodeName(root.path());
  const QByteArray home = base + "/home\xff";
  const QByteArray temporary = base + "/tmp\xff";
  QVERIFY(QDir().mkpath(QFile::decodeName(base)));
  QVERIFY(::mkdir(home.constData(), 0700) == 0 && ::mkdir(temporary.constData(), 0700) == 0);
  // Raw bytes: QProcessEnvironment would decode them, so the program inherits
  // ours, set for the moment.
  const QByteArray names[] = {"HOME",          "TMPDIR",  "XDG_RUNTIME_DIR", "XDG_CACHE_HOME",
                              "XDG_DATA_HOME", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
  std::vector<std::pair<QByteArray, std::optional<QByteArray>>> saved;
  for (const QByteArray& name : names) {
    saved.emplace_back(name, qEnvironmentVariableIsSet(name.constData())
                                 ? std::optional<QByteArray>(qgetenv(name.constData()))
                                 : std::nullopt);
    qunsetenv(name.constData());
  }
  qputenv("HOME", home);
  qputenv("TMPDIR", temporary);
  QProcess program;
  program.start(QStringLiteral(VELUNOR_PROGRAM),
                QStringList{QStringLiteral("--text")} + kMinsk1990.mid(0, 8));
  program.waitForFinished(120'000);
  for (const auto& [name, value] : saved) {
    if (value)
      qputenv(name.constData(), *value);
    else
      qunsetenv(name.constData());
  }
  const QString err = QString::fromUtf8(program.readAllStandardError());
  // The lunar day cannot be had, and the reason names the variable.
  QCOMPARE(program.exitCode(), 3);
  QVERIFY2(err.contains(QStringLiteral("TMPDIR")), qPrintable(err));
  QVERIFY2(err.contains(QStringLiteral("HOME")), qPrintable(err));
  // No directory was made with U+FFFD (EF BF BD) in place of the byte.
  const QStringList made =
      QDir(QFile::decodeName(base)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  for (const QString& name : made) {
    QVERIFY2(!QFile::encodeName(name).contains("\xef\xbf\xbd"), qPrintable(name));
  }
}

void CommandLineE2eTest::textOfTheWorkedExample() {
  const Run run = Velunor(QStringList{QStringLiteral("--text")} + kMinsk1990);
  QCOMPARE(run.err, QString());
  QCOMPARE(run.exitCode, 0);
  // Lunar day 22 began at 02:18:01 on 17 May 1990 and lasted past 14:30.
  QVERIFY(run.out.contains(QStringLiteral("Дата рождения приходится на 22-й лунный день")));
  QVERIFY(run.out.contains(QStringLiteral("Гороскоп: Петров Пётр")));
  // 17 May 1990 was a Thursday.
  QVERIFY(run.out.contains(QStringLiteral("17.05.1990, Четверг")));
  for (const QString& heading :
       {QStringLiteral("Данные рождения"), QStringLiteral("Круг мира"),
        QStringLiteral("Солнечный гороскоп"), QStringLiteral("Общедоступный"),
        QStringLiteral("Тайный"), QStringLiteral("Лунный гороскоп"),
        QStringLiteral("Качества, придаваемые ножу"), QStringLiteral("Гороскоп по дням недели")}) {
    const qsizetype at = run.out.indexOf(QLatin1Char('\n') + heading + QLatin1Char('\n'));
    QVERIFY2(at >= 0, qPrintable(heading));
    // Every page has its text under its heading.
    const QString below = run.out.mid(at + heading.size() + 2).section(QLatin1Char('\n'), 1, 1);
    QVERIFY2(!below.trimmed().isEmpty(), qPrintable(heading));
  }
  QVERIFY(run.out.contains(QStringLiteral("Вы родились в ")));
  QVERIFY(run.out.contains(QStringLiteral("Боевое: ")));
  QVERIFY(run.out.contains(QStringLiteral("Магическое: ")));
}

void CommandLineE2eTest::jsonOfTheWorkedExample() {
  const Run run = Velunor(QStringList{QStringLiteral("--json")} + kMinsk1990);
  QCOMPARE(run.exitCode, 0);
  QJsonParseError error{};
  const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
  QCOMPARE(error.error, QJsonParseError::NoError);
  QCOMPARE(root[QStringLiteral("lunar")][QStringLiteral("lunarDay")].toInt(), 22);
  QCOMPARE(root[QStringLiteral("birth")][QStringLiteral("place")].toString(),
           QStringLiteral("Минск"));
  QCOMPARE(root[QStringLiteral("person")][QStringLiteral("firstName")].toString(),
           QStringLiteral("Пётр"));
  QCOMPARE(root[QStringLiteral("solar")][QStringLiteral("monthPicture")].toInt(), 5);
}

void CommandLineE2eTest::theZoneOfThePlaceIsTakenWhenNoneIsGiven() {
  const QStringList moscow = {QStringLiteral("--json"),     QStringLiteral("--date"),
                              QStringLiteral("17.07.1990"), QStringLiteral("--time"),
                              QStringLiteral("14:30"),      QStringLiteral("--place"),
                              QStringLiteral("Москва")};
  const auto birthAndLunarDay = [](const QStringList& arguments) {
    const Run run = Velunor(arguments);
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
    return std::pair{root[QStringLiteral("birth")].toObject(),
                     root[QStringLiteral("lunar")][QStringLiteral("lunarDay")]};
  };
  // Moscow was on summer time, +4, on 17 July 1990.
  const auto [automatic, automaticDay] = birthAndLunarDay(moscow);
  QCOMPARE(automatic[QStringLiteral("zoneOffsetMinutes")].toInt(), 240);
  QCOMPARE(automatic[QStringLiteral("zoneName")].toString(), QStringLiteral("Europe/Moscow"));
  const auto [typed, typedDay] =
      birthAndLunarDay(moscow + QStringList{QStringLiteral("--zone"), QStringLiteral("4")});
  QVERIFY(typed[QStringLiteral("zoneName")].isNull());
  QVERIFY(typedDay.isDouble());
  QCOMPARE(automaticDay, typedDay);
}

void CommandLineE2eTest::badOptionsPrintNothingAndFail() {
  struct Case {
    QStringList arguments;
    QString named;
  };
  std::vector<Case> cases = {
      {{QStringLiteral("--text"), QStringLiteral("--zone"), QStringLiteral("3")},
       QStringLiteral("--date")},
      {{QStringLiteral("--texts")}, QStringLiteral("--texts")},
      {QStringList{QStringLiteral("--json"), QStringLiteral("--zone=+14:30")} +
           kMinsk1990.mid(0, 4) + kMinsk1990.mid(6),
       QStringLiteral("--zone")},
  };
  // Coordinates a minute beyond their limit: refused, nothing calculated.
  for (const char* latitude : {"90:01", "-90:01"}) {
    cases.push_back({QStringList{QStringLiteral("--text"), QStringLiteral("--latitude"),
                                 QString::fromLatin1(latitude), QStringLiteral("--longitude"),
                                 QStringLiteral("0")} +
                         kMinsk1990.mid(0, 6),
                     QString::fromLatin1(latitude)});
  }
  cases.push_back(
      {QStringList{QStringLiteral("--json"), QStringLiteral("--latitude"), QStringLiteral("0"),
                   QStringLiteral("--longitude"), QStringLiteral("180:01")} +
           kMinsk1990.mid(0, 6),
       QStringLiteral("180:01")});
  for (const auto& bad : cases) {
    const Run run = Velunor(bad.arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains(bad.named), qPrintable(run.err));
  }
  // The help speaks Russian, and English only to an English system.
  const Run help = Velunor({QStringLiteral("--help")});
  QCOMPARE(help.exitCode, 0);
  QVERIFY(help.out.contains(QStringLiteral("Использование")));
  QVERIFY(!help.out.contains(QStringLiteral("Usage")));
  const Run english = Velunor({QStringLiteral("--help")}, QStringLiteral("en_US.UTF-8"));
  QVERIFY(english.out.contains(QStringLiteral("Usage")));
}

QTEST_GUILESS_MAIN(CommandLineE2eTest)
#include "command_line_e2e_test.moc"
