// Where the save dialogs open: the folder the user last saved into during
// this session, else the documents folder, else the home folder; never the
// directory the program happened to be started from.
#pragma once

#include <QString>

namespace frontend {

// `fileName` in the folder the next save dialog should open in.
QString SuggestedSavePath(const QString& fileName);
// Remembers the folder of `path`, a file just chosen in a save dialog.
void RememberSaveFolder(const QString& path);

}  // namespace frontend
