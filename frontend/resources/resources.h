// Data built into the program, found by resource type and name.
//
// A resource of type T and name N is the file ":/T/N" of the Qt resource system
// (for example ":/SUN_DAYS_TXT/XSUN_DAYS_TXT").
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QString>
#include <stdexcept>

// Thrown when a built-in resource is missing; start-up cannot go on without it.
class ResourceNotFound : public std::runtime_error {
 public:
  explicit ResourceNotFound(const QString& name);
};

// The bytes of the resource, type and name matched without regard to letter
// case. Throws ResourceNotFound.
QByteArray LoadResource(const QString& type, const QString& name);

// The program icon, resource MAINICON in 16 x 16 and 32 x 32 pixels; empty when
// missing, since a window without its icon still works.
QIcon LoadMainIcon();
