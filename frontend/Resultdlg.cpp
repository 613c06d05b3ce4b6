#include "frontend/Resultdlg.h"

TOKBottomDlg1::TOKBottomDlg1(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("OKBottomDlg1"));
}
