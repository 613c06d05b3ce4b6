#include "frontend/calendar_export/icalendar_writer.h"

#include <QDateTime>
#include <QTimeZone>

namespace frontend {
namespace {

constexpr qsizetype kLineOctets = 75;

QString UtcText(int64_t utc) {
  const QDateTime moment = QDateTime::fromSecsSinceEpoch(utc, Qt::UTC);
  const QDate date = moment.date();
  const QTime time = moment.time();
  return QString::asprintf("%04d%02d%02dT%02d%02d%02dZ", date.year(), date.month(), date.day(),
                           time.hour(), time.minute(), time.second());
}

bool ContinuesSequence(char octet) {
  return (static_cast<unsigned char>(octet) & 0xC0) == 0x80;
}

}  // namespace

QString EscapedText(const QString& text) {
  QString escaped;
  escaped.reserve(text.size() + 16);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\\' || c == u';' || c == u',') {
      escaped += QLatin1Char('\\');
      escaped += c;
    } else if (c == u'\r') {
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      escaped += QStringLiteral("\\n");
    } else if (c == u'\n') {
      escaped += QStringLiteral("\\n");
    } else {
      escaped += c;
    }
  }
  return escaped;
}

QByteArray FoldedLine(const QString& line) {
  const QByteArray octets = line.toUtf8();
  QByteArray folded;
  folded.reserve(octets.size() + octets.size() / 70 * 3 + 2);
  qsizetype from = 0;
  qsizetype room = kLineOctets;  // the first line has no leading blank
  while (octets.size() - from > room) {
    qsizetype cut = from + room;
    while (cut > from && ContinuesSequence(octets[cut])) --cut;
    folded += octets.mid(from, cut - from);
    folded += "\r\n ";
    from = cut;
    room = kLineOctets - 1;
  }
  folded += octets.mid(from);
  folded += "\r\n";
  return folded;
}

QByteArray ICalendarOf(const CalendarFile& file) {
  QByteArray out;
  const auto add = [&out](const QString& line) { out += FoldedLine(line); };
  add(QStringLiteral("BEGIN:VCALENDAR"));
  add(QStringLiteral("VERSION:2.0"));
  add(QStringLiteral("PRODID:-//Velunor//Lunar calendar//RU"));
  add(QStringLiteral("CALSCALE:GREGORIAN"));
  add(QStringLiteral("METHOD:PUBLISH"));
  if (!file.name.isEmpty()) add(QStringLiteral("X-WR-CALNAME:") + EscapedText(file.name));
  const QString stamp = UtcText(file.stampUtc);
  for (const CalendarEvent& event : file.events) {
    add(QStringLiteral("BEGIN:VEVENT"));
    add(QStringLiteral("UID:") + event.uid);
    add(QStringLiteral("DTSTAMP:") + stamp);
    add(QStringLiteral("DTSTART:") + UtcText(event.startUtc));
    add(QStringLiteral("DTEND:") + UtcText(event.endUtc));
    add(QStringLiteral("SUMMARY:") + EscapedText(event.summary));
    if (!event.description.isEmpty()) {
      add(QStringLiteral("DESCRIPTION:") + EscapedText(event.description));
    }
    // A lunar day does not make its user busy.
    add(QStringLiteral("TRANSP:TRANSPARENT"));
    add(QStringLiteral("END:VEVENT"));
  }
  add(QStringLiteral("END:VCALENDAR"));
  return out;
}

}  // namespace frontend
