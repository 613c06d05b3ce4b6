// An iCalendar file (RFC 5545) of timed events, for calendar programs and
// phones: UTF-8, lines ended by CR LF and folded at 75 octets, text escaped.
// Times are written in Universal Time ("…Z"), so the file needs no zone of
// its own and every program shows them on its user's clock.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace frontend {

struct CalendarEvent {
  QString uid;           // the same for the same event in every export
  int64_t startUtc = 0;  // Unix seconds
  int64_t endUtc = 0;
  QString summary;
  QString description;  // lines joined by '\n'
};

struct CalendarFile {
  QString name;          // the calendar's name, shown by some programs
  int64_t stampUtc = 0;  // when the file was made, Unix seconds
  std::vector<CalendarEvent> events;
};

QByteArray ICalendarOf(const CalendarFile& file);

// A TEXT value with '\', ';', ',' and line ends escaped.
QString EscapedText(const QString& text);
// One content line: folded after at most 75 octets per line, never inside a
// UTF-8 sequence, each line ended by CR LF.
QByteArray FoldedLine(const QString& line);

}  // namespace frontend
