#include "frontend/calendar_page/lunar_month_grid.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "frontend/birth/russian_dates.h"

namespace {

constexpr int kPadding = 3;  // pixels inside a cell's frame

const QColor kEvil(0xC6, 0x28, 0x28);
const QColor kGood(0x2E, 0x7D, 0x32);
const QColor kUnfavourable(0xC6, 0x28, 0x28);
const QColor kTodayFrame(0xE6, 0x7E, 0x00);
const QColor kTodayFill(0xFF, 0xF4, 0xD6);
const QColor kSelectedFill(0xD6, 0xE6, 0xFA);
const QColor kLine(0xB0, 0xB0, 0xB0);
const QColor kTime(0x55, 0x55, 0x55);

// The new moon's sign before lunar day 1.
const QString kNewMoonMark = QStringLiteral("●");

// "●1 с 3:53", "29 с 8:34" for a lunar day beginning on the date, "28" for
// one in force since an earlier date.
QString LineOfLunarDay(const QString& mark, int32_t number, const QString& start) {
  QString line = mark + QString::number(number);
  if (!start.isEmpty()) line += QStringLiteral(" с ") + start;
  return line;
}

QString Capitalised(QString text) {
  if (!text.isEmpty()) text[0] = text[0].toUpper();
  return text;
}

}  // namespace

LunarMonthGrid::LunarMonthGrid(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void LunarMonthGrid::ShowMonth(const frontend::YearMonth& month, const frontend::LunarMonth* lunar,
                               const QList<int>& unfavourableDays,
                               std::optional<frontend::CivilDate> today) {
  const std::optional<frontend::CivilDate> keep = month == month_ ? selected() : std::nullopt;
  month_ = month;
  hasLunarDays_ = lunar != nullptr;
  cells_.clear();
  for (int64_t day = frontend::FirstDayOf(month); day < frontend::FirstDayAfter(month); ++day) {
    Cell cell;
    cell.date = frontend::CivilDateOf(day);
    cell.weekDay = frontend::WeekDayOf(day);
    cell.unfavourable = unfavourableDays.contains(cell.date.day);
    cells_.push_back(cell);
  }
  if (lunar != nullptr && lunar->days.size() == cells_.size()) {
    for (std::size_t i = 0; i < cells_.size(); ++i) cells_[i].lunarDays = lunar->days[i].lunarDays;
  }
  firstColumn_ = cells_.empty() ? 0 : cells_.front().weekDay - 1;
  today_ = -1;
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    if (today && cells_[i].date == *today) today_ = static_cast<int>(i);
  }
  selected_ = -1;
  if (keep) Select(keep);
  update();
}

void LunarMonthGrid::Select(std::optional<frontend::CivilDate> date) {
  int index = -1;
  for (std::size_t i = 0; date && i < cells_.size(); ++i) {
    if (cells_[i].date == *date) index = static_cast<int>(i);
  }
  selected_ = index;
  update();
}

std::optional<frontend::CivilDate> LunarMonthGrid::selected() const {
  if (selected_ < 0) return std::nullopt;
  return cells_[static_cast<std::size_t>(selected_)].date;
}

std::vector<frontend::LunarDaySpan> LunarMonthGrid::LunarDaysOf(
    const frontend::CivilDate& date) const {
  for (const Cell& cell : cells_) {
    if (cell.date == date) return cell.lunarDays;
  }
  return {};
}

QString LunarMonthGrid::WordOf(int32_t number) const {
  switch (kindOf_ ? kindOf_(number) : frontend::DayKind::kUnknown) {
    case frontend::DayKind::kGood:
      return QStringLiteral("добр");
    case frontend::DayKind::kEvil:
      return QStringLiteral("зол");
    case frontend::DayKind::kUnknown:
      break;
  }
  return {};
}

QString LunarMonthGrid::LunarDayLine(const Cell& cell, const frontend::LunarDaySpan& day) const {
  const bool begins = day.start.year == cell.date.year && day.start.month == cell.date.month &&
                      day.start.day == cell.date.day;
  return LineOfLunarDay(day.newMoon() && begins ? kNewMoonMark : QString(), day.number,
                        begins ? frontend::ClockText(day.start.secondOfDay) : QString());
}

QStringList LunarMonthGrid::CellLines(const frontend::CivilDate& date) const {
  for (const Cell& cell : cells_) {
    if (!(cell.date == date)) continue;
    QStringList lines{QString::number(cell.date.day)};
    for (const frontend::LunarDaySpan& day : cell.lunarDays) {
      const QString word = WordOf(day.number);
      lines.append(LunarDayLine(cell, day) +
                   (word.isEmpty() ? QString() : QLatin1Char(' ') + word));
    }
    return lines;
  }
  return {};
}

int LunarMonthGrid::HeaderHeight() const {
  return fontMetrics().height() + 4;
}

int LunarMonthGrid::WeekCount() const {
  return (firstColumn_ + static_cast<int>(cells_.size()) + 6) / 7;
}

QRect LunarMonthGrid::CellRectAt(int index) const {
  const int position = firstColumn_ + index;
  const int column = position % 7;
  const int row = position / 7;
  const int weeks = std::max(1, WeekCount());
  const int top = HeaderHeight();
  const int left = column * (width() - 1) / 7;
  const int right = (column + 1) * (width() - 1) / 7;
  const int upper = top + row * (height() - 1 - top) / weeks;
  const int lower = top + (row + 1) * (height() - 1 - top) / weeks;
  return QRect(QPoint(left, upper), QPoint(right, lower));
}

QRect LunarMonthGrid::CellRect(const frontend::CivilDate& date) const {
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    if (cells_[i].date == date) return CellRectAt(static_cast<int>(i));
  }
  return {};
}

int LunarMonthGrid::IndexAt(const QPoint& point) const {
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    if (CellRectAt(static_cast<int>(i)).contains(point)) return static_cast<int>(i);
  }
  return -1;
}

void LunarMonthGrid::SelectIndex(int index) {
  if (index < 0 || index >= static_cast<int>(cells_.size())) return;
  selected_ = index;
  update();
  emit dateSelected(cells_[static_cast<std::size_t>(index)].date);
}

void LunarMonthGrid::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  // Week-day names, Monday first.
  QFont headerFont = font();
  headerFont.setBold(true);
  painter.setFont(headerFont);
  for (int column = 0; column < 7; ++column) {
    const int left = column * (width() - 1) / 7;
    const int right = (column + 1) * (width() - 1) / 7;
    const QString name =
        Capitalised(frontend::RussianLocale().standaloneDayName(column + 1, QLocale::ShortFormat));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(left, 0, right - left, HeaderHeight()), Qt::AlignCenter, name);
  }
  for (std::size_t i = 0; i < cells_.size(); ++i) PaintCell(painter, static_cast<int>(i));
  if (hasFocus() && selected_ >= 0) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(CellRectAt(selected_).adjusted(2, 2, -2, -2));
  }
}

void LunarMonthGrid::PaintCell(QPainter& painter, int index) const {
  const Cell& cell = cells_[static_cast<std::size_t>(index)];
  const QRect box = CellRectAt(index);
  const bool today = index == today_;
  QColor fill = palette().color(QPalette::Base);
  if (today) fill = kTodayFill;
  if (index == selected_) fill = kSelectedFill;
  painter.fillRect(box, fill);
  painter.setPen(kLine);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(box);
  if (today) {
    painter.setPen(QPen(kTodayFrame, 2));
    painter.drawRect(box.adjusted(1, 1, -1, -1));
  }

  const QRect inner = box.adjusted(kPadding + 1, kPadding, -kPadding, -kPadding);
  QFont dateFont = font();
  dateFont.setBold(true);
  dateFont.setPixelSize(std::max(12, QFontInfo(font()).pixelSize() + 2));
  painter.setFont(dateFont);
  painter.setPen(cell.unfavourable ? kUnfavourable : palette().color(QPalette::Text));
  const QString dateText = QString::number(cell.date.day);
  painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, dateText);
  if (cell.unfavourable) {
    // Underlined too, for a reader who does not tell red from black.
    const int width = QFontMetrics(dateFont).horizontalAdvance(dateText);
    const int base = inner.top() + QFontMetrics(dateFont).ascent() + 2;
    painter.drawLine(inner.left(), base, inner.left() + width, base);
  }

  // The lunar days stand right of the date, one line each.
  const int textLeft =
      inner.left() + QFontMetrics(dateFont).horizontalAdvance(QStringLiteral("30")) + 3;
  int top = inner.top() + 1;
  for (const frontend::LunarDaySpan& day : cell.lunarDays) {
    const QString text = LunarDayLine(cell, day);
    const QString word = WordOf(day.number);
    const bool evil = word == QStringLiteral("зол");
    // Letters condensed as far as needed for the word to stay clear of the time.
    QFont lineFont = font();
    QFont wordFont = font();
    wordFont.setBold(evil);
    for (int stretch = 100; stretch >= 70; stretch -= 5) {
      lineFont.setStretch(stretch);
      wordFont.setStretch(stretch);
      const int needed = QFontMetrics(lineFont).horizontalAdvance(text) + 3 +
                         QFontMetrics(wordFont).horizontalAdvance(word);
      if (needed <= inner.right() - textLeft) break;
    }
    const int lineHeight = QFontMetrics(lineFont).height();
    if (top + lineHeight > inner.bottom() + 3) break;
    const QRect line(textLeft, top, inner.right() - textLeft, lineHeight);
    lineFont.setBold(day.newMoon());
    painter.setFont(lineFont);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text);
    if (!word.isEmpty()) {
      painter.setFont(wordFont);
      painter.setPen(evil ? kEvil : kGood);
      painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, word);
    }
    top += lineHeight;
  }
}

void LunarMonthGrid::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  SelectIndex(IndexAt(event->position().toPoint()));
}

void LunarMonthGrid::keyPressEvent(QKeyEvent* event) {
  if (cells_.empty()) {
    QWidget::keyPressEvent(event);
    return;
  }
  const int from = selected_ >= 0 ? selected_ : std::max(today_, 0);
  int to = from;
  switch (event->key()) {
    case Qt::Key_Left:
      to = from - 1;
      break;
    case Qt::Key_Right:
      to = from + 1;
      break;
    case Qt::Key_Up:
      to = from - 7;
      break;
    case Qt::Key_Down:
      to = from + 7;
      break;
    case Qt::Key_Home:
      to = 0;
      break;
    case Qt::Key_End:
      to = static_cast<int>(cells_.size()) - 1;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  SelectIndex(std::clamp(to, 0, static_cast<int>(cells_.size()) - 1));
}

bool LunarMonthGrid::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const int index = IndexAt(help->pos());
    if (index >= 0 && cells_[static_cast<std::size_t>(index)].unfavourable) {
      QToolTip::showText(help->globalPos(), QStringLiteral("Неблагоприятный день месяца"), this);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QWidget::event(event);
}
