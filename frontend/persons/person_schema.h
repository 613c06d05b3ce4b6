// The layout of the saved-persons file and its migrations. The file carries
// its layout's version (PRAGMA user_version); step i of the list brings a file
// from version i to version i + 1, so a file of any earlier version is brought
// up to date when it is opened, inside one transaction.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <vector>

namespace frontend {

// Marks the file as ours (PRAGMA application_id): "VELU".
inline constexpr int kPersonFileApplicationId = 0x56454C55;

// The statements of each step; the current version is the list's size.
const std::vector<QStringList>& PersonSchemaSteps();

// Brings the open database to version steps.size() in one immediate
// transaction, applying the steps it lacks. Refuses, leaving the file as it
// was, a file of a later version, one that is not a saved-persons file, or
// one on which a step fails. False with the reason in Russian in `problem`.
bool MigrateSchema(QSqlDatabase& database, const std::vector<QStringList>& steps, QString* problem);

}  // namespace frontend
