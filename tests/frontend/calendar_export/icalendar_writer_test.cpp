// The iCalendar writer's line rules: folding at 75 octets without splitting
// a letter, CR LF, and the escaping of TEXT values.
#include <gtest/gtest.h>

#include <QByteArrayList>

#include "frontend/calendar_export/icalendar_writer.h"

namespace frontend {
namespace {

TEST(ICalendarLines, FoldedAt75OctetsBetweenLetters) {
  // Cyrillic letters are two octets: 75 octets hold 37 of them and a half.
  const struct {
    QString line;
    int physicalLines;
  } cases[] = {
      {QString(75, u'a'), 1},
      {QString(76, u'a'), 2},
      {QString(75 + 74, u'a'), 2},
      {QString(75 + 74 + 1, u'a'), 3},
      {QStringLiteral("SUMMARY:") + QString(100, u'ж'), 3},
      {QString(), 1},
  };
  for (const auto& c : cases) {
    const QByteArray folded = FoldedLine(c.line);
    ASSERT_TRUE(folded.endsWith("\r\n"));
    const QList<QByteArray> lines = folded.chopped(2).split('\n');
    EXPECT_EQ(lines.size(), c.physicalLines) << c.line.size();
    QByteArray unfolded;
    for (qsizetype i = 0; i < lines.size(); ++i) {
      QByteArray line = lines[i];
      if (i + 1 < lines.size()) {
        ASSERT_TRUE(line.endsWith('\r'));
        line.chop(1);
      }
      EXPECT_LE(line.size(), 75);
      if (i > 0) {
        ASSERT_TRUE(line.startsWith(' '));
        line.remove(0, 1);
      }
      // Each piece is whole UTF-8 on its own.
      EXPECT_EQ(QString::fromUtf8(line).toUtf8(), line);
      EXPECT_FALSE(QString::fromUtf8(line).contains(QChar::ReplacementCharacter));
      unfolded += line;
    }
    EXPECT_EQ(QString::fromUtf8(unfolded), c.line);
  }
}

TEST(ICalendarText, SpecialCharactersEscaped) {
  const struct {
    const char* text;
    const char* escaped;
  } cases[] = {
      {"a,b;c\\d", "a\\,b\\;c\\\\d"},
      {"line\nline", "line\\nline"},
      {"crlf\r\nend", "crlf\\nend"},
      {"Боевое: крепок", "Боевое: крепок"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EscapedText(QString::fromUtf8(c.text)), QString::fromUtf8(c.escaped)) << c.text;
  }
}

TEST(ICalendarFile, EventWithUtcInstants) {
  CalendarFile file;
  file.stampUtc = 0;
  // 8 December 2026, 05:12 UTC to the next day 06:01 UTC; a year of four digits
  // even in the second century (1 January 101).
  file.events.push_back({QStringLiteral("x@y"), 1796706720, 1796796060, QStringLiteral("S"), {}});
  file.events.push_back(
      {QStringLiteral("old@y"), -58979923200, -58979923200 + 3600, QStringLiteral("S"), {}});
  const QByteArray ics = ICalendarOf(file);
  EXPECT_TRUE(ics.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
  EXPECT_TRUE(ics.contains("\r\nDTSTART:20261208T051200Z\r\nDTEND:20261209T060100Z\r\n"));
  EXPECT_TRUE(ics.contains("\r\nDTSTART:01010101T000000Z\r\n"));
  EXPECT_TRUE(ics.endsWith("END:VCALENDAR\r\n"));
}

}  // namespace
}  // namespace frontend
