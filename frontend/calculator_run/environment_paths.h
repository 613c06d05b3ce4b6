// Directories the platform builds from environment variables (HOME, TMPDIR,
// XDG_*) reach the program as text. A variable holding bytes that are not
// UTF-8 decodes with U+FFFD in their place and encodes back as other bytes:
// a path built from it names another directory, beside the user's own.
#pragma once

#include <QString>
#include <initializer_list>

namespace frontend {

// Empty when every named variable that is set reads back as the same bytes;
// otherwise why a directory built from them is not used, in Russian.
QString UndecodableVariableProblem(std::initializer_list<const char*> names);

}  // namespace frontend
