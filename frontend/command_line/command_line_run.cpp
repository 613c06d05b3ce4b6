#include "frontend/command_line/command_line_run.h"

#include "velunor_version.h"

#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>

#include "frontend/calculator_run/termination.h"
#include "frontend/calendar_export/calendar_export.h"
#include "frontend/command_line/atlas_place_option.h"
#include "frontend/command_line/command_line.h"
#include "frontend/horoscope/calculation.h"
#include "frontend/horoscope/horoscope_json.h"
#include "frontend/horoscope/horoscope_text.h"
#include "frontend/places/builtin_atlas.h"
#include "frontend/resources/builtin_data.h"
#include "frontend/resources/resources.h"

namespace {

constexpr int kPrinted = 0;
constexpr int kMissingData = 1;
constexpr int kBadOptions = 2;
constexpr int kNoLunarDay = 3;
constexpr qsizetype kPlacesListed = 20;

void Write(std::FILE* stream, const QByteArray& bytes) {
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
  std::fflush(stream);
}

void Complain(const QString& text) {
  Write(stderr, (QStringLiteral("velunor: ") + text + QLatin1Char('\n')).toUtf8());
}

// `--find-place`: the matches on standard output, best first; none is told
// on standard error with the names closest to the text.
int ListPlaces(const frontend::FindPlaceRequest& request) {
  const frontend::Atlas* atlas = frontend::BuiltinAtlas();
  if (atlas == nullptr) {
    Complain(QStringLiteral("атлас мест программы поврежден."));
    return kMissingData;
  }
  const QList<frontend::AtlasMatch> found = atlas->Find(request.text, kPlacesListed);
  if (found.isEmpty()) {
    const QString nearest = frontend::NearestNames(*atlas, request.text);
    Complain(
        QStringLiteral("в атласе нет места, где слово названия начинается с «%1»")
            .arg(request.text) +
        (nearest.isEmpty() ? QStringLiteral(".") : QStringLiteral("; похожие: ") + nearest + u'.'));
    return kBadOptions;
  }
  Write(stdout, request.json ? frontend::FoundPlacesJson(*atlas, found)
                             : frontend::FoundPlacesText(*atlas, found).toUtf8());
  return kPrinted;
}

int PrintCalendar(const frontend::CalendarCommand& command) {
  const frontend::CalendarOutcome outcome =
      frontend::CalendarWithoutWindow(LoadCalculatorProgram(), command.request);
  if (!outcome.calendar) {
    Complain(outcome.failure);
    return kNoLunarDay;
  }
  const content::ReferenceTables tables = LoadBuiltInTables();
  switch (command.format) {
    case frontend::CalendarFormat::kJson:
      Write(stdout, frontend::CalendarJson(*outcome.calendar, tables));
      break;
    case frontend::CalendarFormat::kICalendar:
      Write(stdout, frontend::CalendarICalendar(*outcome.calendar, tables,
                                                QDateTime::currentSecsSinceEpoch()));
      break;
    case frontend::CalendarFormat::kText:
      Write(stdout, frontend::CalendarText(*outcome.calendar, tables).toUtf8());
      break;
  }
  return kPrinted;
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
    const frontend::ParsedCommandLine parsed = frontend::ParseCommandLine(
        arguments, places, LoadBuiltInPlaceZones(places), [] { return frontend::BuiltinAtlas(); });
    if (parsed.help) {
      Write(stdout, frontend::CommandLineHelp(frontend::HelpLanguageOfSystem()).toUtf8());
      return kPrinted;
    }
    if (parsed.version) {
      Write(stdout, QByteArrayLiteral(
                        "velunor " VELUNOR_VERSION "\n"
                        "Места и атлас мест: GeoNames (www.geonames.org), лицензия CC BY 4.0.\n"));
      return kPrinted;
    }
    if (!parsed.notice.isEmpty()) Complain(parsed.notice);
    if (parsed.calendar) return PrintCalendar(*parsed.calendar);
    if (parsed.findPlace) return ListPlaces(*parsed.findPlace);
    if (!parsed.request) {
      Complain(parsed.error);
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
      Complain(horoscope.calculatorFailure);
      return kNoLunarDay;
    }
    return kPrinted;
  } catch (const ResourceNotFound& error) {
    std::fprintf(stderr, "velunor: %s\n", error.what());
    return kMissingData;
  }
}
