// What the calculator tells the program that runs it: its exit statuses and
// the console lines it prints. The front end reads both, so both take them
// from here. Plain C++, no dependencies.
#pragma once

#include <array>
#include <string_view>

namespace moon {

// Exit statuses.
inline constexpr int kDoneExitCode = 0;
// The searches did not converge; the table is incomplete.
inline constexpr int kNotConvergingExitCode = 3;
// The parameter file was missing, unreadable or refused; the console says why.
inline constexpr int kParameterErrorExitCode = 100;
// A date left the calculator's day-number range.
inline constexpr int kBadJulianDayExitCode = 255;

// Console lines.
inline constexpr std::string_view kDoneMessage = "All done OK";
inline constexpr std::string_view kBadJulianDayMessage = "Bad JDay";
inline constexpr std::string_view kNotConvergingMessage =
    "Error: the lunar-day search does not converge; the table is incomplete";
// "Load parameters from file <name> - OK"
inline constexpr std::string_view kLoadedPrefix = "Load parameters from file ";
inline constexpr std::string_view kLoadedSuffix = " - OK";
// "File <name> not found."
inline constexpr std::string_view kNotFoundPrefix = "File ";
inline constexpr std::string_view kNotFoundSuffix = " not found.";
// "<prefix><name>. Error code = <errno>"
inline constexpr std::string_view kCannotOpenPrefix = "Can not open file ";
inline constexpr std::string_view kCannotReadPrefix = "Error read file ";
inline constexpr std::string_view kCannotClosePrefix = "Error close file ";
inline constexpr std::string_view kErrorCodeInfix = ". Error code = ";
// "Error in file <name>: <the complaint about line n>"
inline constexpr std::string_view kLineErrorPrefix = "Error in file ";
inline constexpr std::string_view kLineErrorInfix = ": ";
inline constexpr int kParameterLineCount = 10;
inline constexpr std::array<std::string_view, kParameterLineCount> kLineComplaints = {
    "NAME must be defined in line 1",
    "bad DATE defined in line 2",
    "bad TIME defined in line 3",
    "bad TIME_ZONE defined in line 4",
    "",  // line 5, the place's name, is never refused
    "bad LATITUDE defined in line 6",
    "bad LONGITUDE defined in line 7",
    "bad NUMBER_OF_MONTH defined in line 8",
    "bad PROGR_FLAG defined in line 9",
    "OUT_FILE_NAME must be defined in line 10",
};

// The complaint about parameter line `number` (1..10).
constexpr std::string_view LineComplaint(int number) {
  return kLineComplaints[static_cast<size_t>(number - 1)];
}

}  // namespace moon
