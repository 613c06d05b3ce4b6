#include "frontend/resources/builtin_data.h"

#include "content/cp1251.h"
#include "content/tables.h"
#include "frontend/places/place_list.h"
#include "frontend/places/place_zones.h"
#include "frontend/resources/resources.h"

content::ReferenceTables LoadBuiltInTables() {
  content::ReferenceTables tables;
  for (const content::TableSource& source : content::kTableSources) {
    const QString type =
        QString::fromLatin1(source.word.data(), static_cast<qsizetype>(source.word.size())) +
        QStringLiteral("_TXT");
    const QByteArray bytes = LoadResource(type, QStringLiteral("X") + type);
    tables.*source.lines = content::CutLines(
        content::Utf8FromCp1251(std::string_view(bytes.constData(), bytes.size())));
  }
  return tables;
}

QStringList LoadBuiltInPlaceList() {
  return frontend::ReadPlaceList(
      LoadResource(QStringLiteral("coord_dat"), QStringLiteral("COORD_DAT")));
}

QStringList LoadBuiltInPlaceZones(const QStringList& places) {
  return frontend::ReadPlaceZones(
      LoadResource(QStringLiteral("PLACE_ZONES"), QStringLiteral("PLACE_ZONES")), places);
}

QByteArray LoadCalculatorProgram() {
  return LoadResource(QStringLiteral("moon_exe"), QStringLiteral("MOON_EXE"));
}
