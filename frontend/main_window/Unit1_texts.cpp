// The fixed explanatory texts of the result pages.
#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "frontend/lunar_calendar/unfavourable_days.h"
#include "frontend/main_window/Unit1.h"
#include "frontend/resources/resources.h"

namespace {

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
  ShowTable(Memo8, frontend::UnfavourableDaysText());
  for (QLabel* label : {Label5, StaticText2, StaticText4}) {
    label->setText(FixedText(label->objectName()));
  }
  Label5->adjustSize();
}
