#include "frontend/Resultdlg.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "frontend/dialog_placement.h"

TOKBottomDlg1::TOKBottomDlg1(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("OKBottomDlg1"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(286, 98);

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameShape(QFrame::Box);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Bevel1->setGeometry(8, 8, 273, 49);

  StaticText1 = new QLabel(this);
  StaticText1->setObjectName(QStringLiteral("StaticText1"));
  StaticText1->setGeometry(14, 16, 259, 33);
  StaticText1->setWordWrap(true);
  StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(7, 68, 75, 25);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });

  FormCreate();
}

void TOKBottomDlg1::FormCreate() {
  setWindowTitle(QStringLiteral("Результат расчета"));
}

void TOKBottomDlg1::SetMainWindow(QWidget* mainWindow) {
  mainWindow_ = mainWindow;
}

void TOKBottomDlg1::FormActivate() {
  frontend::PlaceStraddling(this, mainWindow_);
}

void TOKBottomDlg1::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}
