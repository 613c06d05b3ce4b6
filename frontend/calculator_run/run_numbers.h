// Run numbers in the private directory. Several copies of the program may share
// the directory; each holds a shared lock (flock) on its own executable for as
// long as it lives, through a read-only descriptor, which still lets the file
// be run. A run whose executable nobody holds has no living program: its files
// may be removed and its number used again.
#pragma once

#include <QString>
#include <cstdint>

namespace frontend {

// The first run number, from 1, whose executable could be created anew in
// `directory`; the empty executable is created at once, so that a copy starting
// at the same moment cannot take the number, and `*lock` receives the
// descriptor that holds it. 0 when nothing can be created there (errno says
// why).
int32_t ChooseRunNumber(const QString& directory, int* lock);

// Removes the files of every run in `directory` whose program is gone (killed
// before it could clean up), including files left without their executable.
// Runs of living copies are not touched.
void ReclaimAbandonedRuns(const QString& directory);

// Gives up the run held by `lock` (a descriptor from ChooseRunNumber, or -1).
void ReleaseRun(int lock);

}  // namespace frontend
