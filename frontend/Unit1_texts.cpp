// The fixed explanatory texts of the result pages.
#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "frontend/Unit1.h"
#include "frontend/resources.h"

namespace {

// Unfavourable days by month. The tabs line the days up in the text box.
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

// A built-in text of the window, stored as UTF-8 lines under the control's name.
QString FixedText(const QString& controlName) {
  QString text = QString::fromUtf8(LoadResource(QStringLiteral("FORM_TEXT"), controlName));
  text.remove(u'\r');
  if (text.endsWith(u'\n')) text.chop(1);
  return text;
}

struct TableLayout {
  int stretch = 100;
  qreal tabStop = 0;
  qreal widestLine = 0;
};

// Tab stops that put every month's days in one column, given the font: names
// followed by two tabs must end before the first stop, names followed by one tab
// after it.
TableLayout LayOutTable(const QStringList& lines, const QFont& font) {
  const QFontMetricsF metrics(font);
  qreal shortNames = 0;   // widest name followed by two tabs
  qreal longNames = 1e9;  // narrowest name followed by one tab
  for (const QString& line : lines) {
    const qreal nameWidth = metrics.horizontalAdvance(line.section(u'\t', 0, 0));
    if (line.count(u'\t') >= 2) {
      shortNames = std::max(shortNames, nameWidth);
    } else {
      longNames = std::min(longNames, nameWidth);
    }
  }
  TableLayout layout;
  layout.tabStop = shortNames < longNames ? (shortNames + longNames) / 2
                                          : shortNames + metrics.averageCharWidth();
  for (const QString& line : lines) {
    layout.widestLine = std::max(
        layout.widestLine, 2 * layout.tabStop + metrics.horizontalAdvance(line.section(u'\t', -1)));
  }
  return layout;
}

// Shows the table of unfavourable days one month to a line, condensing the
// letters a little where the system font is too wide for the box.
void ShowTable(QPlainTextEdit* memo, const QString& text) {
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setPlainText(text);
  const QStringList lines = text.split(u'\n');
  const qreal room =
      memo->width() - 2 * memo->frameWidth() - 2 * memo->document()->documentMargin() - 4;
  QFont font = memo->font();
  TableLayout layout;
  for (int stretch = 100; stretch >= 75; stretch -= 5) {
    font.setStretch(stretch);
    layout = LayOutTable(lines, font);
    if (layout.widestLine <= room) break;
  }
  memo->setFont(font);
  memo->setTabStopDistance(layout.tabStop);
  // Taller rather than scrolled, when the font's lines are higher.
  const int needed = static_cast<int>(lines.size() * std::ceil(QFontMetricsF(font).lineSpacing()) +
                                      2 * memo->document()->documentMargin()) +
                     2 * memo->frameWidth() + 4;
  memo->resize(memo->width(), std::max(memo->height(), needed));
}

}  // namespace

void TForm1::LoadFixedTexts() {
  for (QPlainTextEdit* memo : {Memo13, Memo9, Memo10, Memo11}) {
    memo->setPlainText(FixedText(memo->objectName()));
  }
  ShowTable(Memo8, QString::fromUtf16(kUnfavourableDays));
  for (QLabel* label : {Label5, StaticText2, StaticText4}) {
    label->setText(FixedText(label->objectName()));
  }
  Label5->adjustSize();
}
