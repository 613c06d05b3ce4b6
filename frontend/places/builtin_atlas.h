// The atlas built into the program (resource ATLAS/ATLAS, data/atlas.z).
// Reading it takes about a second of processor time, so it is read once, in
// the background from the moment the window has shown its first result, or
// at the first search that needs it, whichever comes first.
#pragma once

#include "frontend/places/atlas.h"

namespace frontend {

// Starts reading the atlas on a thread of its own; does nothing when it has
// been started already.
void StartReadingBuiltinAtlas();

// The atlas, waiting for the reading to end (or reading it now). Null when
// the built-in data is missing or damaged.
const Atlas* BuiltinAtlas();

}  // namespace frontend
