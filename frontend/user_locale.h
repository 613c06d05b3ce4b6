// The user's locale for dates and numbers shown in the window.
#pragma once

#include <QLocale>

// The system locale, or Russian (Russia) when the system has only the C/POSIX
// locale, so that dates read naturally to the program's Russian-speaking users.
QLocale UserLocale();
