#include "frontend/command_line/command_line_options.h"

#include <QLocale>
#include <algorithm>

namespace frontend {

namespace {

// Options of Qt's own that a window program takes (also written with "--").
const QStringList kWindowSystemOptions = {QStringLiteral("platform"),
                                          QStringLiteral("platformpluginpath"),
                                          QStringLiteral("platformtheme"),
                                          QStringLiteral("plugin"),
                                          QStringLiteral("qwindowgeometry"),
                                          QStringLiteral("qwindowicon"),
                                          QStringLiteral("qwindowtitle"),
                                          QStringLiteral("reverse"),
                                          QStringLiteral("session"),
                                          QStringLiteral("style"),
                                          QStringLiteral("stylesheet"),
                                          QStringLiteral("widgetcount"),
                                          QStringLiteral("display"),
                                          QStringLiteral("geometry"),
                                          QStringLiteral("title"),
                                          QStringLiteral("visual"),
                                          QStringLiteral("font"),
                                          QStringLiteral("nograb"),
                                          QStringLiteral("dograb"),
                                          QStringLiteral("sync"),
                                          QStringLiteral("qmljsdebugger")};

// Where an option's description starts in the help.
constexpr qsizetype kHelpColumn = 21;

const CommandLineOption* FindOption(const QString& name) {
  const auto& options = CommandLineOptions();
  const auto found = std::find_if(options.begin(), options.end(), [&](const CommandLineOption& o) {
    return name == QLatin1String(o.name) ||
           (o.shortName != nullptr && name == QLatin1String(o.shortName));
  });
  return found == options.end() ? nullptr : &*found;
}

QString OptionName(const QString& argument) {
  return argument.section(QLatin1Char('='), 0, 0);
}

QString HelpLine(const CommandLineOption& option, HelpLanguage language) {
  const bool russian = language == HelpLanguage::kRussian;
  QString left = QStringLiteral("  ") + QLatin1String(option.name);
  if (option.shortName != nullptr) left += QStringLiteral(", ") + QLatin1String(option.shortName);
  if (option.valueRussian != nullptr) {
    left +=
        QLatin1Char(' ') + QString::fromUtf8(russian ? option.valueRussian : option.valueEnglish);
  }
  const QString indent(kHelpColumn, QLatin1Char(' '));
  left = left.size() < kHelpColumn ? left.leftJustified(kHelpColumn)
                                   : left + QLatin1Char('\n') + indent;
  QString text = QString::fromUtf8(russian ? option.helpRussian : option.helpEnglish);
  text.replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
  return left + text + QLatin1Char('\n');
}

}  // namespace

const std::vector<CommandLineOption>& CommandLineOptions() {
  static const std::vector<CommandLineOption> options = {
      {"--text", nullptr, nullptr, nullptr, "гороскоп (или календарь) простым текстом (UTF-8)",
       "the horoscope (or the calendar) as plain text (UTF-8)"},
      {"--json", nullptr, nullptr, nullptr,
       "гороскоп (или календарь) в JSON (поля описаны в README.md)",
       "the horoscope (or the calendar) as JSON (fields described\nin README.md)"},
      {"--calendar", nullptr, "ГГГГ-ММ", "YYYY-MM",
       "лунный календарь с этого месяца вместо гороскопа: место\n"
       "(--place или --latitude и --longitude), --zone или\n"
       "--auto-zone и одно из --text, --json, --ics; без --zone\n"
       "каждая дата — по часам пояса места в этот день",
       "the lunar calendar from this month instead of the\n"
       "horoscope: a place (--place or --latitude and\n"
       "--longitude), --zone or --auto-zone and one of --text,\n"
       "--json, --ics; without --zone each date is on the\n"
       "place's clock of that day"},
      {"--months", nullptr, "N", "N", "сколько месяцев календаря, от 1 до 100 (по умолчанию 1)",
       "how many months of the calendar, 1 to 100 (default 1)"},
      {"--ics", nullptr, nullptr, nullptr,
       "календарь файлом iCalendar (RFC 5545): событие на каждый\nлунный день",
       "the calendar as an iCalendar file (RFC 5545): an event\nfor each lunar day"},
      {"--date", nullptr, "ДАТА", "DATE", "дата рождения: 1990-05-17 или 17.05.1990",
       "date of birth: 1990-05-17 or 17.05.1990"},
      {"--time", nullptr, "ВРЕМЯ", "TIME", "местное время рождения: 14:30",
       "local time of birth: 14:30"},
      {"--zone", nullptr, "ЧАСЫ[:МИН]", "HOURS[:MIN]",
       "разница с Гринвичем, от -12 до +14: часы (Минск: 3), часы\n"
       "и минуты (5:30, -3:30) или часы с дробью (5,5)",
       "offset east of Greenwich, -12 to +14: hours (Minsk: 3),\n"
       "hours and minutes (5:30, -3:30) or decimal hours (5,5)"},
      {"--auto-zone", nullptr, nullptr, nullptr,
       "разница с Гринвичем из часового пояса места (--place из\n"
       "списка) на местные дату и время рождения, летнее время\n"
       "учтено; так же, когда --zone не указана. Время, которого\n"
       "не было (часы переведены вперед), считается летним;\n"
       "бывшее дважды (часы переведены назад) — первым из двух",
       "the offset from the time zone of the place (--place from\n"
       "the list) at the local date and time of birth, summer\n"
       "time included; also when --zone is not given. A time the\n"
       "clocks skipped counts as summer time; one they showed\n"
       "twice, as the earlier of the two"},
      {"--place", nullptr, "НАЗВАНИЕ", "NAME",
       "населенный пункт: из списка программы (Минск) или любое\n"
       "название места в атласе, также прежнее или латиницей\n"
       "(Ленинград, Vitebsk); регион или страна после запятой\n"
       "выбирают из одноименных: \"Раков, Беларусь\"",
       "a place: from the program's list (Минск) or any name of a\n"
       "place in the atlas, former or in Latin letters too\n"
       "(Ленинград, Vitebsk); a region or country after a comma\n"
       "chooses among places of one name: \"Раков, Беларусь\""},
      {"--find-place", nullptr, "ТЕКСТ", "TEXT",
       "места атласа, в названии которых слово начинается с\n"
       "ТЕКСТ, лучшие первыми: координаты (как для --latitude и\n"
       "--longitude), часовой пояс, население; с --json в JSON",
       "the atlas's places with a name having a word that begins\n"
       "with TEXT, best first: coordinates (as --latitude and\n"
       "--longitude take them), time zone, population; JSON with --json"},
      {"--latitude", nullptr, "Г:М", "D:M",
       "широта в градусах и минутах, юг со знаком минус: 53:54",
       "latitude in degrees and minutes, south negative: 53:54"},
      {"--longitude", nullptr, "Г:М", "D:M",
       "долгота в градусах и минутах, запад со знаком минус: 27:34\n"
       "(вместе с --place заменяют координаты места, но не его\n"
       "часовой пояс)",
       "longitude in degrees and minutes, west negative: 27:34\n"
       "(with --place they replace the place's coordinates, not\n"
       "its time zone)"},
      {"--surname", nullptr, "ФАМИЛИЯ", "SURNAME", "фамилия", "surname"},
      {"--name", nullptr, "ИМЯ", "NAME", "имя", "first name"},
      {"--patronymic", nullptr, "ОТЧЕСТВО", "PATRONYMIC", "отчество", "patronymic"},
      {"--sex", nullptr, "м|ж", "m|f", "пол (также m|f), по умолчанию м",
       "sex (also м|ж), male by default"},
      {"--help", "-h", nullptr, nullptr, "эта справка", "this help"},
      {"--version", nullptr, nullptr, nullptr, "версия программы", "the program's version"},
  };
  return options;
}

std::optional<QString> GivenOptions::value(const char* option) const {
  const auto found = values.find(QString::fromLatin1(option));
  if (found == values.end()) return std::nullopt;
  return found->second;
}

ReadOptionsResult ReadOptions(const QStringList& arguments) {
  ReadOptionsResult result;
  const auto fail = [&](const QString& error) {
    result.given = {};
    result.error = error;
    return result;
  };
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    const QString name = OptionName(argument);
    const CommandLineOption* option = FindOption(name);
    if (option == nullptr) {
      return fail(QStringLiteral("Неизвестный параметр «%1». Список параметров: velunor --help.")
                      .arg(argument));
    }
    const QString longName = QLatin1String(option->name);
    if (option->valueRussian == nullptr) {
      if (argument.contains(QLatin1Char('=')))
        return fail(QStringLiteral("Параметр %1 не принимает значения.").arg(longName));
      result.given.flags.insert(longName);
      continue;
    }
    QString value;
    if (argument.contains(QLatin1Char('='))) {
      value = argument.section(QLatin1Char('='), 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      return fail(QStringLiteral("После %1 не хватает значения.").arg(longName));
    }
    if (result.given.values.count(longName) != 0)
      return fail(QStringLiteral("Параметр %1 указан дважды.").arg(longName));
    result.given.values[longName] = value;
  }
  return result;
}

bool WantsCommandLine(const QStringList& arguments) {
  return std::any_of(arguments.begin(), arguments.end(), [](const QString& argument) {
    const QString name = OptionName(argument);
    if (FindOption(name) != nullptr) return true;
    // Any other long option is a mistyped one of ours, reported as such,
    // unless Qt takes it.
    return name.startsWith(QLatin1String("--")) && name.size() > 2 &&
           !kWindowSystemOptions.contains(name.mid(2));
  });
}

QString CommandLineHelp(HelpLanguage language) {
  const bool russian = language == HelpLanguage::kRussian;
  QString help = russian ? QStringLiteral(
                               "Использование: velunor --text|--json --date ДАТА --time ВРЕМЯ\n"
                               "                       [--zone ЧАСЫ[:МИН] | --auto-zone]\n"
                               "                       (--place НАЗВАНИЕ | --latitude Г:М "
                               "--longitude Г:М)\n"
                               "                       [--surname ФАМИЛИЯ] [--name ИМЯ] "
                               "[--patronymic ОТЧЕСТВО] [--sex м|ж]\n"
                               "       velunor --calendar ГГГГ-ММ [--months N]\n"
                               "                       (--place НАЗВАНИЕ | --latitude Г:М "
                               "--longitude Г:М)\n"
                               "                       [--zone ЧАСЫ[:МИН] | --auto-zone] "
                               "(--text | --json | --ics)\n"
                               "       velunor --find-place ТЕКСТ [--json]\n"
                               "Без параметров velunor открывает окно программы.\n"
                               "\n"
                               "Печатает гороскоп или лунный календарь без окна, тем же "
                               "расчетом, что и окно.\n")
                         : QStringLiteral(
                               "Usage: velunor --text|--json --date DATE --time TIME\n"
                               "               [--zone HOURS[:MIN] | --auto-zone]\n"
                               "               (--place NAME | --latitude D:M --longitude D:M)\n"
                               "               [--surname SURNAME] [--name NAME] [--patronymic "
                               "PATRONYMIC] [--sex m|f]\n"
                               "       velunor --calendar YYYY-MM [--months N]\n"
                               "               (--place NAME | --latitude D:M --longitude D:M)\n"
                               "               [--zone HOURS[:MIN] | --auto-zone] "
                               "(--text | --json | --ics)\n"
                               "       velunor --find-place TEXT [--json]\n"
                               "Without options velunor opens its window.\n"
                               "\n"
                               "Prints the horoscope or the lunar calendar without a window, with "
                               "the same calculation as the window.\n");
  for (const CommandLineOption& option : CommandLineOptions()) help += HelpLine(option, language);
  help += russian ? QStringLiteral(
                        "Код завершения: 0 — гороскоп напечатан; 1 — встроенные данные программы\n"
                        "повреждены; 2 — ошибка в параметрах; 3 — лунный день не вычислен\n"
                        "(остальной гороскоп напечатан) или календарь не рассчитан.\n"
                        "--find-place: 0 — места найдены, 2 — не найдены.\n"
                        "Атлас мест: GeoNames (www.geonames.org), лицензия CC BY 4.0.\n")
                  : QStringLiteral(
                        "Exit status: 0 the horoscope was printed; 1 the program's built-in data\n"
                        "is damaged; 2 bad options; 3 the lunar day could not be calculated\n"
                        "(the rest was printed) or the calendar could not be calculated.\n"
                        "--find-place: 0 places found, 2 none.\n"
                        "Atlas of places: GeoNames (www.geonames.org), licence CC BY 4.0.\n");
  return help;
}

HelpLanguage HelpLanguageOfSystem() {
  return QLocale::system().language() == QLocale::English ? HelpLanguage::kEnglish
                                                          : HelpLanguage::kRussian;
}

}  // namespace frontend
