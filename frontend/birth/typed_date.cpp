#include "frontend/birth/typed_date.h"

#include <QRegularExpression>
#include <QStringList>
#include <array>

#include "frontend/birth/birth_date_range.h"
#include "frontend/birth/russian_dates.h"

namespace frontend {
namespace {

DateReading Refused(const QString& reason) {
  return {std::nullopt, reason};
}

TimeReading RefusedTime(const QString& reason) {
  return {std::nullopt, reason};
}

// "в феврале", for "в феврале 1990 года 28 дней".
QString InMonth(int month) {
  static const std::array<const char*, 12> kNames = {"январе",   "феврале", "марте",  "апреле",
                                                     "мае",      "июне",    "июле",   "августе",
                                                     "сентябре", "октябре", "ноябре", "декабре"};
  return QStringLiteral("в ") + QString::fromUtf8(kNames[static_cast<std::size_t>(month - 1)]);
}

QString DaysWord(int days) {
  return days == 31 ? QStringLiteral("день") : QStringLiteral("дней");
}

// Day, month and year as typed, or none when the text has another shape.
std::optional<QStringList> DateParts(const QString& text) {
  static const QRegularExpression kSeparated(QStringLiteral(
      "^(\\d{1,2})(?:\\s*[./,-]\\s*|\\s+)(\\d{1,2})(?:\\s*[./,-]\\s*|\\s+)(\\d{1,4})$"));
  static const QRegularExpression kRunTogether(QStringLiteral("^(\\d{2})(\\d{2})(\\d{2}|\\d{4})$"));
  for (const QRegularExpression* shape : {&kSeparated, &kRunTogether}) {
    const QRegularExpressionMatch match = shape->match(text);
    if (match.hasMatch())
      return QStringList{match.captured(1), match.captured(2), match.captured(3)};
  }
  // Year first, as files and the command line write dates: "1990-05-17".
  static const QRegularExpression kYearFirst(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
  const QRegularExpressionMatch match = kYearFirst.match(text);
  if (match.hasMatch()) return QStringList{match.captured(3), match.captured(2), match.captured(1)};
  return std::nullopt;
}

int FullYear(const QString& typed, int currentYear) {
  const int year = typed.toInt();
  if (typed.size() != 2) return year;
  const int nearest = currentYear / 100 * 100 + year;
  return nearest > currentYear ? nearest - 100 : nearest;
}

QString RangeRefusal() {
  return QStringLiteral("Дата вне пределов расчета: допустимы даты с %1 по %2")
      .arg(LongDate(FirstBirthDate()), LongDate(LastBirthDate()));
}

}  // namespace

DateReading ReadTypedDate(const QString& text, int currentYear) {
  // A separator typed after the year out of habit ends nothing.
  static const QRegularExpression kTrailing(QStringLiteral("[./,\\s-]+$"));
  const QString typed = QString(text).remove(kTrailing).trimmed();
  if (typed.isEmpty())
    return Refused(QStringLiteral("Дата не введена: наберите ее как ДД.ММ.ГГГГ"));
  const std::optional<QStringList> parts = DateParts(typed);
  if (!parts) {
    return Refused(QStringLiteral(
        "Дата не распознана: наберите день, месяц и год цифрами, например 17.05.1990"));
  }
  const int day = (*parts)[0].toInt();
  const int month = (*parts)[1].toInt();
  const int year = FullYear((*parts)[2], currentYear);
  if (month < 1 || month > 12) {
    return Refused(QStringLiteral("Такой даты нет: месяца %1 нет, месяцы от 1 до 12").arg(month));
  }
  if (year < FirstBirthDate().year || year > LastBirthDate().year) return Refused(RangeRefusal());
  const int length = DaysInMonth({year, month});
  if (day < 1 || day > length) {
    const QString inMonth =
        month == 2 ? InMonth(month) + QStringLiteral(" %1 года").arg(year) : InMonth(month);
    return Refused(
        QStringLiteral("Такой даты нет: %1 %2 %3").arg(inMonth).arg(length).arg(DaysWord(length)));
  }
  const CivilDate date{year, month, day};
  if (IsCalendarReformGap(date)) {
    return Refused(QStringLiteral(
        "Такой даты нет: при переходе на григорианский календарь за 4 октября 1582 года "
        "сразу последовало 15 октября"));
  }
  if (date < FirstBirthDate() || date > LastBirthDate()) return Refused(RangeRefusal());
  return {date, {}};
}

TimeReading ReadTypedTime(const QString& text) {
  static const QRegularExpression kSeparated(
      QStringLiteral("^(\\d{1,2})(?:\\s*[:.]\\s*|\\s+)(\\d{1,2})$"));
  static const QRegularExpression kHoursAlone(QStringLiteral("^(\\d{1,2})()$"));
  static const QRegularExpression kRunTogether(QStringLiteral("^(\\d{1,2})(\\d{2})$"));
  static const QRegularExpression kTrailing(QStringLiteral("[:.\\s]+$"));
  const QString typed = QString(text).remove(kTrailing).trimmed();
  if (typed.isEmpty()) {
    return RefusedTime(QStringLiteral("Время не введено: наберите часы и минуты, например 14:30"));
  }
  for (const QRegularExpression* shape : {&kSeparated, &kHoursAlone, &kRunTogether}) {
    const QRegularExpressionMatch match = shape->match(typed);
    if (!match.hasMatch()) continue;
    const int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    if (hour > 23) {
      return RefusedTime(QStringLiteral("Такого времени нет: часы от 0 до 23 (полночь — 0:00)"));
    }
    if (minute > 59) return RefusedTime(QStringLiteral("Такого времени нет: минуты от 0 до 59"));
    return {QTime(hour, minute), {}};
  }
  return RefusedTime(
      QStringLiteral("Время не распознано: наберите часы и минуты цифрами, например 14:30"));
}

}  // namespace frontend
