// Reading the reference tables from the files of the data directory.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "content/compose.h"

namespace content {

// The whole file as bytes; throws std::runtime_error naming the file when it
// cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);

// Reads sun_days.txt, moon_days.txt, ... restxt.txt from `directory`, decodes
// each from Windows-1251 and cuts it into lines. Throws std::runtime_error when a file cannot be
// read, unless `unreadable` is given: then such tables stay empty and their file names are added to
// it.
ReferenceTables ReadTablesFromDirectory(const std::filesystem::path& directory,
                                        std::vector<std::string>* unreadable = nullptr);

}  // namespace content
