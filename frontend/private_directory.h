// A directory only the current user can reach, for the calculator's files: the
// shared temporary directory would let another local user swap the program we
// are about to run.
#pragma once

#include <QString>

namespace frontend {

// Creates `base`/`name` with mode 0700, or accepts it when it already exists as
// a real directory (not a symlink) owned by the current user; access for group
// and others is then removed. Returns the path with a trailing "/", or an empty
// string (with a reason in `error`) when the directory is refused.
QString EnsurePrivateDirectory(const QString& base, const QString& name, QString* error);

// True when programs cannot be run from files under `path` (a noexec mount).
bool IsOnNoExecMount(const QString& path);

// The private directory for this program's calculator files: inside the
// system's temporary directory, or, when that is mounted noexec or our name
// there is refused, under $XDG_RUNTIME_DIR or else the user's cache directory.
// Empty when none can be made safe; `error` says why.
QString CalculatorDirectory(QString* error);

}  // namespace frontend
