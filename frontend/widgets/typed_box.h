// A box whose text is read as one value when the person leaves it or presses
// Enter, never key by key: what was typed is either taken whole or kept as
// typed, marked, with the reason it was not taken.
#pragma once

#include <QLineEdit>
#include <QString>

class TTypedBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit TTypedBox(QWidget* parent = nullptr);

  // Reads the text typed since the value was last shown. False when it names
  // no value: the text stays, the box is marked and refusal() says why.
  bool Commit();
  bool Refused() const { return !refusal_.isEmpty(); }
  QString refusal() const { return refusal_; }

 signals:
  // The reason the typed text was not taken; empty once a value stands again.
  void refusalChanged(const QString& refusal);

 protected:
  // Takes `text` as the new value, or returns why it cannot.
  virtual QString Read(const QString& text) = 0;
  // The value as shown while it is typed into, and while it is not.
  virtual QString EditingText() const = 0;
  virtual QString RestingText() const { return EditingText(); }
  // After the value changed by the program or by a read text: shows it in the
  // form that suits the focus, dropping any refusal.
  void ShowValue();

  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SetRefusal(const QString& refusal);

  bool typed_ = false;  // the text differs from the value shown
  QString refusal_;
};
