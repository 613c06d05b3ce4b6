#pragma once

#include <QDialog>

// Result dialog: a short message with an OK button.
class TOKBottomDlg1 : public QDialog {
  Q_OBJECT

 public:
  explicit TOKBottomDlg1(QWidget* parent = nullptr);
};
