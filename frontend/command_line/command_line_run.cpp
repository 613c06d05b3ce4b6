#include "frontend/command_line/command_line_run.h"

#include "velunor_version.h"

#include <QCoreApplication>
#include <cstdio>

#include "frontend/calculator_run/termination.h"
#include "frontend/command_line/command_line.h"
#include "frontend/horoscope/calculation.h"
#include "frontend/horoscope/horoscope_json.h"
#include "frontend/horoscope/horoscope_text.h"
#include "frontend/resources/builtin_data.h"
#include "frontend/resources/resources.h"

namespace {

constexpr int kPrinted = 0;
constexpr int kMissingData = 1;
constexpr int kBadOptions = 2;
constexpr int kNoLunarDay = 3;

void Write(std::FILE* stream, const QByteArray& bytes) {
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
  std::fflush(stream);
}

}  // namespace

int RunCommandLine(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("velunor"));
  frontend::QuitOnTerminationSignals();
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  try {
    const QStringList places = LoadBuiltInPlaceList();
    const frontend::ParsedCommandLine parsed =
        frontend::ParseCommandLine(arguments, places, LoadBuiltInPlaceZones(places));
    if (parsed.help) {
      Write(stdout, frontend::CommandLineHelp(frontend::HelpLanguageOfSystem()).toUtf8());
      return kPrinted;
    }
    if (parsed.version) {
      Write(stdout, QByteArrayLiteral("velunor " VELUNOR_VERSION "\n"));
      return kPrinted;
    }
    if (!parsed.request) {
      Write(stderr, (QStringLiteral("velunor: ") + parsed.error + QLatin1Char('\n')).toUtf8());
      return kBadOptions;
    }
    const content::ReferenceTables tables = LoadBuiltInTables();
    frontend::Calculation calculation(tables);
    calculation.SetUpCalculator(LoadCalculatorProgram());
    const frontend::Horoscope horoscope =
        calculation.CalculateAndWait(parsed.request->birth).horoscope;
    Write(stdout, parsed.request->format == frontend::HoroscopeFormat::kJson
                      ? frontend::HoroscopeJson(horoscope)
                      : frontend::HoroscopeText(horoscope).toUtf8());
    if (horoscope.lunarDay.empty()) {
      Write(
          stderr,
          (QStringLiteral("velunor: ") + horoscope.calculatorFailure + QLatin1Char('\n')).toUtf8());
      return kNoLunarDay;
    }
    return kPrinted;
  } catch (const ResourceNotFound& error) {
    std::fprintf(stderr, "velunor: %s\n", error.what());
    return kMissingData;
  }
}
