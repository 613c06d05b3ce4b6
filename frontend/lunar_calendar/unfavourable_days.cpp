#include "frontend/lunar_calendar/unfavourable_days.h"

#include <QStringList>

namespace frontend {
namespace {

// The tabs line the days up in the text box; the names of September and
// December are long enough for one.
const char16_t* const kUnfavourableDays =
    u"Января\t\t1, 2, 9, 15, 26, 30\n"
    u"Февраля\t\t1, 3, 7, 8, 9, 11, 14, 24, 26\n"
    u"Марта\t\t2, 3, 4, 15, 18, 20, 25\n"
    u"Апреля\t\t3, 4, 5, 6, 8, 20, 21, 25, 30\n"
    u"Майя\t\t2, 3, 6, 8, 12, 20, 21, 22, 27\n"
    u"Июня\t\t2, 3, 4, 5, 6, 7, 8, 20, 21, 22\n"
    u"Июля\t\t2, 4, 5, 6, 7, 8, 10, 12, 21, 22, 28\n"
    u"Августа\t\t4, 7, 8, 16, 18, 20\n"
    u"Сентября\t2, 3, 4, 8, 21, 24\n"
    u"Октября\t\t1, 2, 4, 5, 8, 9, 21, 22, 24, 30\n"
    u"Ноября\t\t1, 4, 5, 8, 11, 21\n"
    u"Декабря \t2, 3, 8, 21, 22, 24 ";

}  // namespace

QString UnfavourableDaysText() {
  return QString::fromUtf16(kUnfavourableDays);
}

QList<int> UnfavourableDays(int month) {
  const QStringList lines = UnfavourableDaysText().split(u'\n');
  if (month < 1 || month > lines.size()) return {};
  QList<int> days;
  for (const QString& day : lines[month - 1].section(u'\t', -1).split(u',')) {
    days.append(day.trimmed().toInt());
  }
  return days;
}

}  // namespace frontend
