// Gives a new widget its object name, by which tests and the style sheet
// find it: `auto* edit = Named(new QLineEdit(parent), "Edit1");`.
#pragma once

#include <QString>

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}
