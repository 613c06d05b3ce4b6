// Result dialog: a short message about the calculation with an OK button.
#pragma once

#include <QDialog>
#include <QPointer>

class QFrame;
class QLabel;
class QPushButton;

class TOKBottomDlg1 : public QDialog {
  Q_OBJECT

 public:
  explicit TOKBottomDlg1(QWidget* parent = nullptr);

  // The window whose bottom edge the dialog straddles when shown.
  void SetMainWindow(QWidget* mainWindow);

  // Event handlers, named after the window's events.
  void FormCreate();
  void FormActivate();

  QFrame* Bevel1 = nullptr;
  QLabel* StaticText1 = nullptr;
  QPushButton* OKBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QPointer<QWidget> mainWindow_;
};
