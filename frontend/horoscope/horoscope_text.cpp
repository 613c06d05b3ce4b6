#include "frontend/horoscope/horoscope_text.h"

#include "frontend/horoscope/horoscope_sections.h"

namespace frontend {

namespace {

// At the type size of the printed page, about 3.8 pixels of QTextDocument's
// 96-per-inch layout make a millimetre.
constexpr double kPixelsPerMm = 96.0 / 25.4;

QString Underline(const QString& title, QChar mark) {
  return QString(title.size(), mark);
}

}  // namespace

QString HoroscopeText(const Horoscope& horoscope) {
  QString text;
  const QString title = HoroscopeTitle(horoscope);
  text += title + QLatin1Char('\n') + Underline(title, QLatin1Char('=')) + QLatin1Char('\n');
  for (const HoroscopeSection& section : HoroscopeSections(horoscope)) {
    text += QLatin1Char('\n') + section.title + QLatin1Char('\n') +
            Underline(section.title, section.level == 1 ? QLatin1Char('=') : QLatin1Char('-')) +
            QLatin1Char('\n');
    for (const QString& line : section.lines) text += line + QLatin1Char('\n');
  }
  return text;
}

QString HoroscopeHtml(const Horoscope& horoscope, const QString& pictureName,
                      double pictureSizeMm) {
  const int picturePixels = qRound(pictureSizeMm * kPixelsPerMm);
  QString html = QStringLiteral(
      "<html><head><meta charset=\"utf-8\"><style>"
      "h1 { font-size: 16pt; } h2 { font-size: 13pt; margin-top: 14px; }"
      " h3 { font-size: 11pt; font-style: italic; margin-top: 8px; }"
      " p { margin: 0; white-space: pre-wrap; }"
      "</style></head><body>");
  html += QStringLiteral("<h1>%1</h1>").arg(HoroscopeTitle(horoscope).toHtmlEscaped());
  for (const HoroscopeSection& section : HoroscopeSections(horoscope)) {
    const QString tag = section.level == 1 ? QStringLiteral("h2") : QStringLiteral("h3");
    html += QStringLiteral("<%1>%2</%1>").arg(tag, section.title.toHtmlEscaped());
    if (section.monthPicture) {
      html += QStringLiteral("<p><img src=\"%1\" width=\"%2\" height=\"%2\"></p>")
                  .arg(pictureName.toHtmlEscaped())
                  .arg(picturePixels);
    }
    bool inTable = false;
    for (const QString& line : section.lines) {
      // Consecutive "label<TAB>value" lines form one table, so that their
      // values stand in one column however wide the labels are.
      const qsizetype tab = line.indexOf(u'\t');
      if (tab >= 0) {
        if (!inTable) html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
        inTable = true;
        html += QStringLiteral("<tr><td style=\"padding-right: 12px\">%1</td><td>%2</td></tr>")
                    .arg(line.left(tab).toHtmlEscaped(),
                         line.mid(line.lastIndexOf(u'\t') + 1).toHtmlEscaped());
        continue;
      }
      if (inTable) html += QStringLiteral("</table>");
      inTable = false;
      // An empty paragraph would collapse; a blank keeps the empty line.
      html += QStringLiteral("<p>%1</p>")
                  .arg(line.isEmpty() ? QStringLiteral("&nbsp;") : line.toHtmlEscaped());
    }
    if (inTable) html += QStringLiteral("</table>");
  }
  html += QStringLiteral("</body></html>");
  return html;
}

}  // namespace frontend
