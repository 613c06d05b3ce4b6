// The date and time as typed: a text that names no date or time is kept as
// typed, and the reason stands under the date group until it is put right;
// "Расчет" does not run on any other value.
#include <QLabel>

#include "frontend/main_window/Unit1.h"
#include "frontend/widgets/date_box.h"
#include "frontend/widgets/named.h"
#include "frontend/widgets/time_box.h"

namespace {

// Under the date group, over the top of the summary (which starts at 104),
// left of "Расчет" at 693.
constexpr int kNoteLeft = 212;
constexpr int kNoteTop = 98;
constexpr int kNoteWidth = 476;

}  // namespace

void TForm1::CreateRefusalNote() {
  RefusalNote = Named(new QLabel(clientArea_), "RefusalNote");
  RefusalNote->setWordWrap(true);
  RefusalNote->setFrameShape(QFrame::Box);
  RefusalNote->setMargin(3);
  RefusalNote->setAutoFillBackground(true);
  QPalette colours = RefusalNote->palette();
  colours.setColor(QPalette::Window, QColor(0xff, 0xf4, 0xc8));
  colours.setColor(QPalette::WindowText, QColor(0x90, 0x00, 0x00));
  RefusalNote->setPalette(colours);
  RefusalNote->setAccessibleName(QStringLiteral("Ошибка ввода"));
  RefusalNote->hide();
  for (TTypedBox* box : TypedBoxes()) {
    connect(box, &TTypedBox::refusalChanged, this, [this] { ShowRefusals(false); });
  }
}

QList<TTypedBox*> TForm1::TypedBoxes() const {
  return {DateTimePicker1, DateTimePicker2};
}

void TForm1::ShowRefusals(bool calculationRefused) {
  QStringList lines;
  for (const TTypedBox* box : TypedBoxes()) {
    if (box->Refused()) lines << box->refusal();
  }
  if (lines.isEmpty()) {
    RefusalNote->hide();
    return;
  }
  if (calculationRefused) lines << QStringLiteral("Расчет не выполнен: исправьте выделенное поле.");
  RefusalNote->setText(lines.join(QLatin1Char('\n')));
  RefusalNote->setFixedWidth(kNoteWidth);
  RefusalNote->adjustSize();
  RefusalNote->move(kNoteLeft, kNoteTop);
  RefusalNote->raise();
  RefusalNote->show();
}

bool TForm1::TakeTypedInputs() {
  TTypedBox* firstRefused = nullptr;
  for (TTypedBox* box : TypedBoxes()) {
    if (!box->Commit() && firstRefused == nullptr) firstRefused = box;
  }
  if (firstRefused == nullptr) return true;
  ShowRefusals(true);
  firstRefused->setFocus(Qt::OtherFocusReason);
  firstRefused->selectAll();
  return false;
}
