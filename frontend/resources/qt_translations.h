// Qt's own dialogs (files, printing, yes/no buttons) in Russian whatever the
// system's language, like every other text of the program.
#pragma once

class QCoreApplication;

// Installs Qt's Russian translations on `application`; false when the
// translations are not installed, and Qt's dialogs stay in English.
bool LoadQtRussianTranslations(QCoreApplication& application);
