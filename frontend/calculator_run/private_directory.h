// A directory only the current user can reach, for the calculator's files: the
// shared temporary directory would let another local user swap the program we
// are about to run.
#pragma once

#include <QString>
#include <vector>

namespace frontend {

// A place for the private directory: `name` inside `base`.
struct DirectoryCandidate {
  QString base;
  QString name;
  // Why this place is not used, known before anything is tried; empty when
  // it may be tried.
  QString refusal = {};
  // base/name/, the form the calculator's file names are built on.
  QString path() const;
};

// In order of preference: the system's temporary directory (with the user id
// in the name, since other users share it), $XDG_RUNTIME_DIR, and the user's
// cache directory. A later one serves when an earlier one cannot.
std::vector<DirectoryCandidate> CalculatorDirectoryCandidates();

// Creates `base`/`name` with mode 0700, or accepts it when it already exists as
// a real directory (not a symlink) owned by the current user; access for group
// and others is then removed, and every entry someone else may have put there
// (anything not a regular file of ours with a single name) is removed. Returns
// the path with a trailing "/", or an empty string with the reason, in
// Russian, in `problem` when the directory cannot be made safe.
QString EnsurePrivateDirectory(const QString& base, const QString& name, QString* problem);

}  // namespace frontend
