#include "frontend/dialogs/Resultdlg.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

#include "frontend/dialogs/dialog_placement.h"

namespace {

// The design sizes: the dialog's client area, the bevel, the text field and
// the OK button's top; everything below the text moves down when it grows.
constexpr int kWidth = 286;
constexpr int kHeight = 98;
constexpr int kBevelHeight = 49;
constexpr int kTextHeight = 33;
constexpr int kButtonTop = 68;

}  // namespace

TOKBottomDlg1::TOKBottomDlg1(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("OKBottomDlg1"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kWidth, kHeight);

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameShape(QFrame::Box);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Bevel1->setGeometry(8, 8, 273, kBevelHeight);

  StaticText1 = new QLabel(this);
  StaticText1->setObjectName(QStringLiteral("StaticText1"));
  StaticText1->setGeometry(14, 16, 259, kTextHeight);
  StaticText1->setWordWrap(true);
  StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(7, kButtonTop, 75, 25);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });

  FormCreate();
}

void TOKBottomDlg1::FormCreate() {
  setWindowTitle(QStringLiteral("Результат расчета"));
}

void TOKBottomDlg1::SetMessage(const QString& text) {
  StaticText1->setText(text);
  const int extra = std::max(0, StaticText1->heightForWidth(StaticText1->width()) - kTextHeight);
  StaticText1->resize(StaticText1->width(), kTextHeight + extra);
  Bevel1->resize(Bevel1->width(), kBevelHeight + extra);
  OKBtn->move(OKBtn->x(), kButtonTop + extra);
  setFixedSize(kWidth, kHeight + extra);
}

void TOKBottomDlg1::FormActivate() {
  frontend::PlaceStraddling(this, parentWidget());
}

void TOKBottomDlg1::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}
