// Numbered text sections: a line "#N" opens section N; its body runs up to the
// next empty line or line beginning with "#".
#pragma once

#include <string_view>

#include "content/tables.h"

namespace content {

// Appends the body of the section whose opening line equals `key` (whole line,
// byte for byte) to `lines`. The first matching line from the top is used; a
// missing section appends nothing. Existing lines are left alone.
void AppendSection(std::string_view key, const Lines& table, Lines& lines);

}  // namespace content
