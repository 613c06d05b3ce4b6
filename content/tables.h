// Keyed reference tables: cutting a table's bytes into lines, splitting a row
// into tab-separated fields, and looking a row up by its key.
//
// Text is UTF-8; bytes pass through unchanged.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace content {

using Lines = std::vector<std::string>;
using Fields = std::vector<std::string>;

// Cuts bytes into lines at CR LF, at a lone CR and at a lone LF; the breaks are
// not part of the lines. A break at the very end adds no empty line; a NUL byte
// ends the text.
Lines CutLines(std::string_view bytes);

// Splits a row at tab characters. Fields are not trimmed and empty fields are
// dropped. A quote (' or ") opens a stretch, closed by the same quote, in which
// tabs do not separate; the quotes stay in the field.
Fields SplitFields(std::string_view row);

enum class KeyForm {
  kColumn0,      // field 0 alone
  kColumn0And1,  // field 0 immediately followed by field 1
};

// Scans from the last row down to lowestRow and returns the fields of the first
// row whose key equals `key` byte for byte, or nothing. A row that lacks the
// key's fields never matches.
std::optional<Fields> FindRow(const Lines& table, std::string_view key, KeyForm form,
                              std::size_t lowestRow = 0);

// Field `index` of a found row, or empty when the row is shorter: a malformed
// row leaves the value empty instead of reading past the row.
std::string FieldOrEmpty(const Fields& fields, std::size_t index);

}  // namespace content
