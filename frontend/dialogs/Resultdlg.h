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

  // Shows `text` in StaticText1; the dialog grows taller, never wider, when
  // the text needs more lines than the field has, and keeps its OK button
  // below the text.
  void SetMessage(const QString& text);

  // Event handlers, named after the window's events.
  void FormCreate();
  void FormActivate();

  QFrame* Bevel1 = nullptr;
  QLabel* StaticText1 = nullptr;
  QPushButton* OKBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
};
