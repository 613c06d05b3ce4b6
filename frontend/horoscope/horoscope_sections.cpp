#include "frontend/horoscope/horoscope_sections.h"

#include <QLocale>

#include "frontend/birth/russian_dates.h"
#include "frontend/places/zone_names.h"
#include "frontend/places/zone_offset.h"

namespace frontend {

namespace {

QStringList LinesOf(const content::Lines& lines) {
  if (lines.empty()) return {};
  return JoinLines(lines).split(QLatin1Char('\n'));
}

// "3 ч." for whole hours as typed; "+5:30" or "-3:30" with minutes; and the
// database zone the offset was taken from, when there is one.
QString ZoneText(const BirthData& birth) {
  const int32_t minutes = ZoneOffsetMinutes(birth);
  QString text = minutes % 60 == 0
                     ? QStringLiteral("%1 ч.").arg(minutes / 60)
                     : (minutes > 0 ? QStringLiteral("+") : QString()) + ZoneOffsetText(minutes);
  if (!birth.zoneName.isEmpty())
    text += QStringLiteral(", часовой пояс ") + ZoneTitle(birth.zoneName);
  return text;
}

HoroscopeSection BirthDataSection(const BirthData& birth) {
  HoroscopeSection section{1, QStringLiteral("Данные рождения"), {}};
  section.lines << QStringLiteral("Фамилия: ") + birth.surname
                << QStringLiteral("Имя: ") + birth.firstName
                << QStringLiteral("Отчество: ") + birth.patronymic
                << QStringLiteral("Пол: ") +
                       (birth.sex == Sex::kFemale ? QStringLiteral("Ж") : QStringLiteral("М"))
                << QStringLiteral("Дата: ") + LongDate(birth.date)
                << QStringLiteral("Время: ") + birth.time.toString(QStringLiteral("H:mm"))
                << QStringLiteral("Разница с гринвичем: ") + ZoneText(birth)
                << QStringLiteral("Населенный пункт: ") +
                       (birth.place.isEmpty() ? HandTypedPlaceText() : birth.place)
                << QStringLiteral("Широта: ") + LatitudeText(birth.latitude)
                << QStringLiteral("Долгота: ") + LongitudeText(birth.longitude);
  return section;
}

}  // namespace

QString LatitudeText(const Coordinate& latitude) {
  return CoordinateText(latitude, CoordinateAxis::kLatitude);
}

QString LongitudeText(const Coordinate& longitude) {
  return CoordinateText(longitude, CoordinateAxis::kLongitude);
}

QString HoroscopeTitle(const Horoscope& horoscope) {
  const QString name = FullName(horoscope.birth);
  return name.isEmpty() ? QStringLiteral("Гороскоп") : QStringLiteral("Гороскоп: ") + name;
}

std::vector<HoroscopeSection> HoroscopeSections(const Horoscope& horoscope) {
  const content::Composition& result = horoscope.composition;
  std::vector<HoroscopeSection> sections;
  sections.push_back(BirthDataSection(horoscope.birth));
  sections.push_back({1, QStringLiteral("Круг мира"), LinesOf(result.worldCircle)});

  HoroscopeSection solar{1, QStringLiteral("Солнечный гороскоп"), {}};
  solar.monthPicture = true;
  solar.lines << QStringLiteral("Солнечный символ месяца: ") +
                     RussianLocale().standaloneMonthName(result.monthPictureIndex + 1);
  sections.push_back(solar);
  sections.push_back({2, QStringLiteral("Общедоступный"), LinesOf(result.treeSignPublic)});
  sections.push_back({2, QStringLiteral("Тайный"), LinesOf(result.treeSignSecret)});

  HoroscopeSection lunar{1, QStringLiteral("Лунный гороскоп"), {}};
  lunar.lines << QString::fromStdString(result.lunarDayCaption);
  if (horoscope.lunarDay.empty() && !horoscope.calculatorFailure.isEmpty()) {
    lunar.lines << horoscope.calculatorFailure.split(QLatin1Char('\n'));
  }
  sections.push_back(lunar);
  sections.push_back({2, QStringLiteral("Значение лунного дня из гороскопа \"Берегинь\""),
                      LinesOf(result.lunarVerse)});
  sections.push_back(
      {2, QStringLiteral("Связь здоровья и продолжительности жизни с рождением по дням луны"),
       LinesOf(result.health)});
  sections.push_back({2, QStringLiteral("О днях добрых и злых"), LinesOf(result.goodOrEvil)});
  sections.push_back({2, QStringLiteral("Качества, придаваемые ножу"), LinesOf(result.knife)});

  HoroscopeSection weekDay{1, QStringLiteral("Гороскоп по дням недели"), LinesOf(result.weekDay)};
  weekDay.lines << QString()
                << QString::fromUtf8(content::kWeekDayNote.data(), content::kWeekDayNote.size());
  sections.push_back(weekDay);
  return sections;
}

QString JoinLines(const content::Lines& lines) {
  QStringList decoded;
  decoded.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) decoded.append(QString::fromStdString(line));
  return decoded.join(QLatin1Char('\n'));
}

}  // namespace frontend
