// One column for the values of "label<TAB>value" lines, however wide each
// label is: the week-day horoscope's lines carry one or two tabs after labels
// of very different widths ("Бог:", "Родившиеся в этот день :", none at all).
#pragma once

#include <QFont>
#include <QStringList>
#include <QTextOption>

// `option` with two tab stops: the first just past the widest label of
// `lines` in `font` (the text before a line's first tab), the second a pixel
// further, so that a label's one tab and an empty or short label's two tabs
// both end in that column. Lines without a tab do not count.
QTextOption WithLabelColumn(QTextOption option, const QStringList& lines, const QFont& font);
