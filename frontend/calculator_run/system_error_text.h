// Operating-system errors in Russian words, for the messages that tell the user
// why the lunar calculator cannot be used.
#pragma once

#include <QString>

namespace frontend {

// The error number `error` (an errno value) as a short Russian phrase.
QString SystemErrorText(int error);

}  // namespace frontend
