#include "frontend/widgets/label_tabs.h"

#include <QFontMetricsF>
#include <algorithm>

QTextOption WithLabelColumn(QTextOption option, const QStringList& lines, const QFont& font) {
  const QFontMetricsF metrics(font);
  qreal widestLabel = -1;
  for (const QString& line : lines) {
    const qsizetype tab = line.indexOf(u'\t');
    if (tab >= 0) widestLabel = std::max(widestLabel, metrics.horizontalAdvance(line.left(tab)));
  }
  if (widestLabel < 0) return option;
  // A blank's width keeps the widest label off its value.
  const qreal column = widestLabel + metrics.horizontalAdvance(u' ') * 2;
  option.setTabArray({column, column + 1});
  return option;
}
