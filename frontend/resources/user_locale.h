// The user's locale for numbers typed into the window.
#pragma once

#include <QLocale>

// The system locale, or Russian (Russia) when the system has only the C/POSIX
// locale, so that numbers read naturally to the program's Russian-speaking users.
QLocale UserLocale();
