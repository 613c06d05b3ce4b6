// The horoscope as text, JSON and a PDF: the same results in each, Cyrillic
// intact, and a JSON whose names scripts can rely on.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "frontend/builtin_data.h"
#include "frontend/core/horoscope.h"
#include "frontend/core/horoscope_json.h"
#include "frontend/core/horoscope_text.h"
#include "frontend/horoscope_document.h"

namespace frontend {
namespace {

BirthData Example() {
  BirthData birth;
  birth.surname = QStringLiteral("Ковалёва");
  birth.firstName = QStringLiteral("Дарья");
  birth.patronymic = QStringLiteral("<Тест & Co>");
  birth.sex = Sex::kFemale;
  birth.date = QDate(2026, 12, 6);
  birth.time = QTime(8, 5);
  birth.zoneHours = 3;
  birth.place = QStringLiteral("Минск");
  birth.latitude = {53, 54};
  birth.longitude = {27, 34};
  return birth;
}

class HoroscopeFormatsTest : public ::testing::Test {
 protected:
  const content::ReferenceTables tables_ = LoadBuiltInTables();
  // 6 December 2026, lunar day 14: the worked example of the composition.
  const Horoscope horoscope_ = ComposeHoroscope(tables_, Example(), "14");
};

TEST_F(HoroscopeFormatsTest, TextHoldsEveryPageInTheWindowsOrder) {
  const QString text = HoroscopeText(horoscope_);
  const QStringList inOrder = {
      QStringLiteral("Гороскоп: Ковалёва Дарья <Тест & Co>"),
      QStringLiteral("Населенный пункт: Минск"),
      QStringLiteral("Широта: 53° 54′ с. ш."),
      QStringLiteral("Вы родились в 3-м круге мира Прави"),
      QStringLiteral("Солнечный гороскоп"),
      QStringLiteral("Солнечный символ месяца: декабрь"),
      QStringLiteral("Дата рождения приходится на 14-й лунный день"),
      QStringLiteral("Боевое: Опустошительность "),
      QStringLiteral("Магическое: Достижение райских мест"),
      QStringLiteral("Гороскоп по дням недели"),
      QStringLiteral("06.12.2026, Неделя (воскресение)"),
      QStringLiteral("Бог:\t\tДажбог"),
  };
  qsizetype from = 0;
  for (const QString& line : inOrder) {
    const qsizetype at = text.indexOf(line, from);
    EXPECT_GE(at, 0) << line.toStdString();
    if (at >= 0) from = at + line.size();
  }
}

TEST_F(HoroscopeFormatsTest, JsonFieldsKeepTheirNamesAndTypes) {
  const QJsonObject root = QJsonDocument::fromJson(HoroscopeJson(horoscope_)).object();
  EXPECT_EQ(root[QStringLiteral("person")][QStringLiteral("surname")].toString(),
            QStringLiteral("Ковалёва"));
  EXPECT_EQ(root[QStringLiteral("person")][QStringLiteral("sex")].toString(),
            QStringLiteral("female"));
  const QJsonValue birth = root[QStringLiteral("birth")];
  EXPECT_EQ(birth[QStringLiteral("date")].toString(), QStringLiteral("2026-12-06"));
  EXPECT_EQ(birth[QStringLiteral("time")].toString(), QStringLiteral("08:05:00"));
  EXPECT_EQ(birth[QStringLiteral("zoneHours")].toInt(), 3);
  EXPECT_EQ(birth[QStringLiteral("latitude")][QStringLiteral("minutes")].toInt(), 54);
  EXPECT_EQ(root[QStringLiteral("worldCircle")][0].toString(),
            QStringLiteral("Вы родились в 3-м круге мира Прави"));
  EXPECT_EQ(root[QStringLiteral("solar")][QStringLiteral("monthPicture")].toInt(), 12);
  EXPECT_FALSE(root[QStringLiteral("solar")][QStringLiteral("treeSignSecret")].toArray().isEmpty());
  const QJsonValue lunar = root[QStringLiteral("lunar")];
  EXPECT_EQ(lunar[QStringLiteral("lunarDay")].toInt(), 14);
  EXPECT_TRUE(lunar[QStringLiteral("failure")].isNull());
  EXPECT_EQ(lunar[QStringLiteral("goodOrEvil")][0].toString(), QStringLiteral("добр"));
  EXPECT_EQ(lunar[QStringLiteral("knife")].toArray().size(), 2);
  EXPECT_EQ(root[QStringLiteral("weekDay")][2].toString(), QStringLiteral("Бог:\t\tДажбог"));

  const Horoscope failed = ComposeHoroscope(tables_, Example(), "", QStringLiteral("Ошибка"));
  const QJsonObject without = QJsonDocument::fromJson(HoroscopeJson(failed)).object();
  EXPECT_TRUE(without[QStringLiteral("lunar")][QStringLiteral("lunarDay")].isNull());
  EXPECT_EQ(without[QStringLiteral("lunar")][QStringLiteral("failure")].toString(),
            QStringLiteral("Ошибка"));
  EXPECT_TRUE(without[QStringLiteral("lunar")][QStringLiteral("knife")].toArray().isEmpty());
}

// The line of the text that begins with `start`.
QString LineStarting(const QString& text, const QString& start) {
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    if (line.startsWith(start)) return line;
  }
  return {};
}

TEST_F(HoroscopeFormatsTest, ZonesWithMinutesAndTheDatabaseZoneAreShown) {
  const QString zoneLine = QStringLiteral("Разница с гринвичем:");
  // A whole-hour zone typed by hand reads as it always did.
  EXPECT_EQ(LineStarting(HoroscopeText(horoscope_), zoneLine),
            QStringLiteral("Разница с гринвичем: 3 ч."));

  BirthData kolkata = Example();
  SetZoneOffsetMinutes(kolkata, 5 * 60 + 30);
  kolkata.zoneName = QStringLiteral("Asia/Kolkata");
  const Horoscope followed = ComposeHoroscope(tables_, kolkata, "14");
  const QString line = LineStarting(HoroscopeText(followed), zoneLine);
  EXPECT_TRUE(line.contains(QStringLiteral("+5:30"))) << line.toStdString();
  EXPECT_TRUE(line.contains(QStringLiteral("Asia/Kolkata"))) << line.toStdString();
  const QJsonValue birth =
      QJsonDocument::fromJson(HoroscopeJson(followed)).object()[QStringLiteral("birth")];
  EXPECT_EQ(birth[QStringLiteral("zoneOffsetMinutes")].toInt(), 330);
  EXPECT_EQ(birth[QStringLiteral("zoneName")].toString(), QStringLiteral("Asia/Kolkata"));
  EXPECT_EQ(birth[QStringLiteral("zoneHours")].toInt(), 5);  // the whole hours, as before

  BirthData newfoundland = Example();
  SetZoneOffsetMinutes(newfoundland, -(3 * 60 + 30));
  const Horoscope typed = ComposeHoroscope(tables_, newfoundland, "14");
  const QString typedLine = LineStarting(HoroscopeText(typed), zoneLine);
  EXPECT_TRUE(typedLine.contains(QStringLiteral("-3:30"))) << typedLine.toStdString();
  EXPECT_FALSE(typedLine.contains(QLatin1Char('/'))) << typedLine.toStdString();
  const QJsonValue typedBirth =
      QJsonDocument::fromJson(HoroscopeJson(typed)).object()[QStringLiteral("birth")];
  EXPECT_EQ(typedBirth[QStringLiteral("zoneOffsetMinutes")].toInt(), -210);
  EXPECT_TRUE(typedBirth[QStringLiteral("zoneName")].isNull());
}

// Runs a Debian tool and returns its standard output.
QString Tool(const QString& program, const QStringList& arguments) {
  if (QStandardPaths::findExecutable(program).isEmpty()) {
    ADD_FAILURE() << program.toStdString() << " is missing: install poppler-utils";
    return {};
  }
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(-1);
  return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(HoroscopeFormatsTest, PdfIsA4AndHoldsTheNameTheLunarDayAndEveryPage) {
  QTemporaryDir directory;
  const QString path = directory.filePath(QStringLiteral("гороскоп.pdf"));
  QImage picture(200, 200, QImage::Format_RGB32);
  picture.fill(Qt::red);
  QString problem;
  ASSERT_TRUE(WriteHoroscopePdf(horoscope_, picture, path, &problem)) << problem.toStdString();

  EXPECT_TRUE(Tool(QStringLiteral("pdfinfo"), {path}).contains(QStringLiteral("(A4)")));
  const QString text =
      Tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  for (const QString& line :
       {QStringLiteral("Ковалёва Дарья"), QStringLiteral("<Тест & Co>"),
        QStringLiteral("Вы родились в 3-м круге мира Прави"),
        QString::fromStdString(horoscope_.composition.treeSignSecret.front()).left(30),
        QStringLiteral("Дата рождения приходится на 14-й лунный день"),
        QStringLiteral("Магическое: Достижение райских мест"),
        QStringLiteral("Неделя (воскресение)")}) {
    EXPECT_TRUE(text.contains(line)) << line.toStdString();
  }
  EXPECT_EQ(Tool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                .count(QStringLiteral(" 800   800 ")),
            1);

  // A file that cannot be written is named, and nothing is left behind.
  const QString blocked = directory.filePath(QStringLiteral("нет/такой/папки.pdf"));
  EXPECT_FALSE(WriteHoroscopePdf(horoscope_, picture, blocked, &problem));
  EXPECT_TRUE(problem.contains(blocked)) << problem.toStdString();
}

}  // namespace
}  // namespace frontend
