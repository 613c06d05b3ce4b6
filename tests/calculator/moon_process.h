// Runs the `moon` program in a scratch directory of its own.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace moon::testing {

// A fresh directory, removed with everything in it at the end of its scope.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

struct ProgramRun {
  int exitCode = -1;
  std::string console;  // standard output
  std::string errors;   // standard error
};

// The ten lines of a parameter file, joined with CR LF as the front end writes them.
std::string ParameterFile(const std::vector<std::string>& lines);

void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::optional<std::string> ReadFile(const std::filesystem::path& path);

// Runs the program in `directory` with the arguments given, detached from
// any terminal so that terminal reports land on standard error.
ProgramRun RunMoon(const std::filesystem::path& directory,
                   const std::vector<std::string>& arguments);

}  // namespace moon::testing
