// The command line's options, listed once: the one table from which the
// program tells a command line from a window start, reads the options and
// writes its help.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <set>

namespace frontend {

struct CommandLineOption {
  const char* name;          // "--date"
  const char* shortName;     // "-h", or nullptr
  const char* valueRussian;  // "ДАТА" for an option that takes a value, nullptr for a flag
  const char* valueEnglish;  // "DATE"
  const char* helpRussian;   // lines joined by "\n"
  const char* helpEnglish;
};

// Every option, in the order the help lists them.
const std::vector<CommandLineOption>& CommandLineOptions();

// The options as given: the flags present and each value option's value.
struct GivenOptions {
  std::set<QString> flags;            // by long name: "--text"
  std::map<QString, QString> values;  // by long name: "--date" → "1990-05-17"

  bool has(const char* flag) const { return flags.count(QString::fromLatin1(flag)) != 0; }
  std::optional<QString> value(const char* option) const;
};

// Reads "--name value", "--name=value" and flags; an unknown option, a
// missing value or an option given twice is an error in Russian naming it.
struct ReadOptionsResult {
  GivenOptions given;
  QString error;  // empty when read
};
ReadOptionsResult ReadOptions(const QStringList& arguments);

// Whether the arguments (without the program's name) ask for the command
// line rather than the window: any of them is one of the options, or a long
// option that is not one of Qt's own.
bool WantsCommandLine(const QStringList& arguments);

// The help in one language: usage, every option and the exit statuses.
enum class HelpLanguage { kRussian, kEnglish };
QString CommandLineHelp(HelpLanguage language);

// English where the user's system speaks English, Russian otherwise.
HelpLanguage HelpLanguageOfSystem();

}  // namespace frontend
