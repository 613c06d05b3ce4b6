#include "frontend/calendar_page/lunar_month_grid.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "frontend/birth/russian_dates.h"
#include "frontend/calendar_page/moon_phase_picture.h"
#include "frontend/lunar_calendar/calendar_day_lines.h"
#include "frontend/lunar_calendar/old_style_days.h"

namespace {

constexpr int kPadding = 3;  // pixels inside a cell's frame

const QColor kEvil(0xC6, 0x28, 0x28);
const QColor kGood(0x2E, 0x7D, 0x32);
const QColor kUnfavourable(0xC6, 0x28, 0x28);
const QColor kTodayFrame(0xE6, 0x7E, 0x00);
const QColor kTodayFill(0xFF, 0xF4, 0xD6);
const QColor kSelectedFill(0xD6, 0xE6, 0xFA);
const QColor kLine(0xB0, 0xB0, 0xB0);
const QColor kNote(0x55, 0x55, 0x55);  // full moon and clock changes

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
                               std::optional<frontend::CivilDate> today) {
  const std::optional<frontend::CivilDate> keep = month == month_ ? selected() : std::nullopt;
  month_ = month;
  hasLunarDays_ = lunar != nullptr;
  cells_.clear();
  for (int64_t day = frontend::FirstDayOf(month); day < frontend::FirstDayAfter(month); ++day) {
    Cell cell;
    cell.day.date = frontend::CivilDateOf(day);
    cell.day.weekDay = frontend::WeekDayOf(day);
    cell.unfavourable = frontend::IsUnfavourableDay(day);
    cells_.push_back(cell);
  }
  if (lunar != nullptr && lunar->days.size() == cells_.size()) {
    for (std::size_t i = 0; i < cells_.size(); ++i) cells_[i].day = lunar->days[i];
  } else {
    hasLunarDays_ = false;
  }
  firstColumn_ = cells_.empty() ? 0 : cells_.front().day.weekDay - 1;
  today_ = -1;
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    if (today && cells_[i].day.date == *today) today_ = static_cast<int>(i);
  }
  selected_ = -1;
  if (keep) Select(keep);
  update();
}

void LunarMonthGrid::Select(std::optional<frontend::CivilDate> date) {
  int index = -1;
  for (std::size_t i = 0; date && i < cells_.size(); ++i) {
    if (cells_[i].day.date == *date) index = static_cast<int>(i);
  }
  selected_ = index;
  update();
}

std::optional<frontend::CivilDate> LunarMonthGrid::selected() const {
  if (selected_ < 0) return std::nullopt;
  return cells_[static_cast<std::size_t>(selected_)].day.date;
}

std::vector<frontend::LunarDaySpan> LunarMonthGrid::LunarDaysOf(
    const frontend::CivilDate& date) const {
  const frontend::CalendarDay* day = DayOf(date);
  return day != nullptr ? day->lunarDays : std::vector<frontend::LunarDaySpan>();
}

const frontend::CalendarDay* LunarMonthGrid::DayOf(const frontend::CivilDate& date) const {
  if (!hasLunarDays_) return nullptr;
  for (const Cell& cell : cells_) {
    if (cell.day.date == date) return &cell.day;
  }
  return nullptr;
}

QString LunarMonthGrid::WordOf(int32_t number) const {
  return frontend::KindWord(kindOf_ ? kindOf_(number) : frontend::DayKind::kUnknown);
}

QStringList LunarMonthGrid::CellLines(const frontend::CivilDate& date) const {
  for (const Cell& cell : cells_) {
    if (!(cell.day.date == date)) continue;
    return QStringList{QString::number(date.day)} + frontend::CellLinesOf(cell.day, kindOf_);
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
    if (cells_[i].day.date == date) return CellRectAt(static_cast<int>(i));
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
  emit dateSelected(cells_[static_cast<std::size_t>(index)].day.date);
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
  const QString dateText = QString::number(cell.day.date.day);
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
  // The phase of the moon under the date, as wide as the date's column.
  if (hasLunarDays_) {
    const int top = inner.top() + QFontMetrics(dateFont).height() + 2;
    // As large as the date's column and the cell's height allow, up to 18 px.
    const int size = std::min({textLeft - inner.left() - 4, 18, inner.bottom() + 2 - top});
    if (size >= 7) {
      PaintMoonPhase(painter, QRectF(inner.left() + 1, top, size, size), cell.day.noonPhase);
    }
  }
  int top = inner.top() + 1;
  const auto fits = [&](int lineHeight) { return top + lineHeight <= inner.bottom() + 3; };
  for (const frontend::LunarDaySpan& day : cell.day.lunarDays) {
    QString text = frontend::LunarDayLine(cell.day, day);
    const QString word = WordOf(day.number);
    const bool evil = word == QStringLiteral("зол");
    // Letters condensed as far as needed for the word to stay clear of the
    // time, measured in the weights they are drawn in.
    QFont lineFont = font();
    lineFont.setBold(day.newMoon());
    QFont wordFont = font();
    wordFont.setBold(evil);
    for (int stretch = 100; stretch >= 70; stretch -= 5) {
      lineFont.setStretch(stretch);
      wordFont.setStretch(stretch);
      const int needed = QFontMetrics(lineFont).horizontalAdvance(text) + 3 +
                         QFontMetrics(wordFont).horizontalAdvance(word);
      if (needed <= inner.right() - textLeft) break;
    }
    // A font that cannot be condensed enough gives up the time's last letters.
    const int room = inner.right() - textLeft - 1 - QFontMetrics(wordFont).horizontalAdvance(word);
    text = QFontMetrics(lineFont).elidedText(text, Qt::ElideRight, room);
    const int lineHeight = QFontMetrics(lineFont).height();
    if (!fits(lineHeight)) break;
    const QRect line(textLeft, top, inner.right() - textLeft, lineHeight);
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
  // The full moon and a change of the clocks, smaller, under the lunar days.
  QStringList notes;
  if (cell.day.fullMoon) notes.append(frontend::FullMoonText(*cell.day.fullMoon));
  if (cell.day.clockChange) notes.append(frontend::ClockChangeShortText(*cell.day.clockChange));
  QFont noteFont = font();
  noteFont.setPixelSize(std::max(9, QFontInfo(font()).pixelSize() - 2));
  for (const QString& note : notes) {
    QFont fitted = noteFont;
    for (int stretch = 100; stretch >= 70; stretch -= 5) {
      fitted.setStretch(stretch);
      if (QFontMetrics(fitted).horizontalAdvance(note) <= inner.right() - textLeft) break;
    }
    const int lineHeight = QFontMetrics(fitted).height();
    if (!fits(lineHeight)) break;
    painter.setFont(fitted);
    painter.setPen(kNote);
    painter.drawText(QRect(textLeft, top, inner.right() - textLeft, lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, note);
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

QString LunarMonthGrid::ToolTipOf(const Cell& cell) const {
  QStringList lines;
  if (cell.unfavourable) {
    const frontend::CivilDate old = frontend::OldStyleDateOf(frontend::DayNumberOf(cell.day.date));
    lines.append(QStringLiteral("Неблагоприятный день: %1 %2 по старому стилю")
                     .arg(old.day)
                     .arg(frontend::RussianLocale().monthName(old.month, QLocale::LongFormat)));
  }
  if (hasLunarDays_) {
    lines.append(
        QStringLiteral("Луна %1, освещено %2 % (в полдень)")
            .arg(cell.day.noonPhase.waxing ? QStringLiteral("растет") : QStringLiteral("убывает"))
            .arg(qRound(cell.day.noonPhase.litFraction * 100)));
    if (cell.day.fullMoon) lines.append(frontend::FullMoonText(*cell.day.fullMoon));
    if (cell.day.clockChange) {
      lines.append(QStringLiteral("Перевод часов: ") +
                   frontend::ClockChangeText(*cell.day.clockChange));
    }
  }
  return lines.join(u'\n');
}

bool LunarMonthGrid::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const int index = IndexAt(help->pos());
    const QString tip = index >= 0 ? ToolTipOf(cells_[static_cast<std::size_t>(index)]) : QString();
    if (!tip.isEmpty()) {
      QToolTip::showText(help->globalPos(), tip, this);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QWidget::event(event);
}
