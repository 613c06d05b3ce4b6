// Window tests find controls by their object names, as the user sees them.
#pragma once

#include <QString>
#include <QWidget>
#include <QtGlobal>

template <typename Widget>
Widget* Find(QWidget& window, const char* name) {
  auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
  if (widget == nullptr) qFatal("no widget %s", name);
  return widget;
}
