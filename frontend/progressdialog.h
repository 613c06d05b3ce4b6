#pragma once

#include <QDialog>

// Progress dialog shown while the built-in lunar calculator runs.
class TOKBottomDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TOKBottomDlg(QWidget* parent = nullptr);
};
