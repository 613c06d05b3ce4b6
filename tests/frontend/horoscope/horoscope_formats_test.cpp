// The horoscope as text and JSON: the same results in each, Cyrillic intact,
// and a JSON whose names scripts can rely on.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "frontend/horoscope/horoscope.h"
#include "frontend/horoscope/horoscope_json.h"
#include "frontend/horoscope/horoscope_text.h"
#include "frontend/resources/builtin_data.h"
#include "tests/frontend/example_birth.h"

namespace frontend {
namespace {

class HoroscopeFormatsTest : public ::testing::Test {
 protected:
  const content::ReferenceTables tables_ = LoadBuiltInTables();
  // 6 December 2026, lunar day 14: the worked example of the composition.
  const Horoscope horoscope_ = ComposeHoroscope(tables_, ExampleBirth(), "14");
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

  const Horoscope failed = ComposeHoroscope(tables_, ExampleBirth(), "", QStringLiteral("Ошибка"));
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

  BirthData kolkata = ExampleBirth();
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

  BirthData newfoundland = ExampleBirth();
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

}  // namespace
}  // namespace frontend
