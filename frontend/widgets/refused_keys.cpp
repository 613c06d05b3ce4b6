#include "frontend/widgets/refused_keys.h"

#include <QApplication>
#include <QKeyEvent>

bool RefuseUnacceptedKey(QKeyEvent* event, const std::function<bool(QChar)>& accepted) {
  const QString text = event->text();
  const bool printable = !text.isEmpty() && text.at(0).isPrint();
  if (!printable || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
  for (const QChar c : text) {
    if (!accepted(c)) {
      QApplication::beep();
      event->accept();
      return true;
    }
  }
  return false;
}
