// The database's failures said in Russian: the driver's own text is English
// and stays only as a detail for whoever looks further.
#pragma once

#include <QSqlError>
#include <QString>

namespace frontend {

// "файл занят другой программой", "нет права записи в файл", …; a general
// Russian reason for a failure without a known cause.
QString RussianReasonOf(const QSqlError& error);

}  // namespace frontend
