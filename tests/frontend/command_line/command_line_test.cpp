// The command line's options: what they give and what each mistake says.
#include <gtest/gtest.h>

#include "frontend/command_line/command_line.h"
#include "frontend/resources/builtin_data.h"

namespace frontend {
namespace {

QStringList Args(const char* text) {
  return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

class CommandLineTest : public ::testing::Test {
 protected:
  ParsedCommandLine Parse(const char* text) { return Parse(Args(text)); }
  ParsedCommandLine Parse(const QStringList& arguments) {
    return ParseCommandLine(arguments, places_, zones_);
  }
  // The error for `text`, which must not parse.
  std::string ErrorOf(const char* text) {
    const ParsedCommandLine parsed = Parse(text);
    EXPECT_FALSE(parsed.request.has_value()) << text;
    EXPECT_FALSE(parsed.help);
    return parsed.error.toStdString();
  }
  const QStringList places_ = LoadBuiltInPlaceList();
  const QStringList zones_ = LoadBuiltInPlaceZones(places_);
};

TEST_F(CommandLineTest, ThePlaceGivesItsCoordinatesAndEveryOptionItsField) {
  const ParsedCommandLine parsed = Parse(
      "--text --date 1990-05-17 --time=14:30 --zone 3 --place минск --surname Петрова"
      " --name Анна --patronymic Ильинична --sex ж");
  ASSERT_TRUE(parsed.request.has_value()) << parsed.error.toStdString();
  const BirthData& birth = parsed.request->birth;
  EXPECT_EQ(parsed.request->format, HoroscopeFormat::kText);
  EXPECT_EQ(birth.date, (CivilDate{1990, 5, 17}));
  EXPECT_EQ(birth.time, QTime(14, 30));
  EXPECT_EQ(birth.zoneHours, 3);
  // Минск lies at 53° 54′ N, 27° 34′ E; the name as the list spells it.
  EXPECT_EQ(birth.place, QStringLiteral("Минск"));
  EXPECT_EQ(birth.latitude.degrees, 53);
  EXPECT_EQ(birth.latitude.minutes, 54);
  EXPECT_EQ(birth.longitude.degrees, 27);
  EXPECT_EQ(birth.longitude.minutes, 34);
  EXPECT_EQ(birth.surname, QStringLiteral("Петрова"));
  EXPECT_EQ(birth.firstName, QStringLiteral("Анна"));
  EXPECT_EQ(birth.patronymic, QStringLiteral("Ильинична"));
  EXPECT_EQ(birth.sex, Sex::kFemale);
}

TEST_F(CommandLineTest, CoordinatesStandAloneOrReplaceThePlaces) {
  const auto alone =
      Parse("--json --date 17.05.1990 --time 9:05 --zone -3 --latitude -34:36 --longitude -58");
  ASSERT_TRUE(alone.request.has_value()) << alone.error.toStdString();
  EXPECT_EQ(alone.request->format, HoroscopeFormat::kJson);
  EXPECT_EQ(alone.request->birth.place, QString());
  EXPECT_EQ(alone.request->birth.latitude, (Coordinate{true, 34, 36}));
  EXPECT_EQ(alone.request->birth.longitude, (Coordinate{true, 58, 0}));
  EXPECT_EQ(alone.request->birth.sex, Sex::kMale);

  const auto both = Parse(
      "--text --date 1990-05-17 --time 14:30 --zone 3 --place Дача --latitude 54:10 "
      "--longitude 28:00");
  ASSERT_TRUE(both.request.has_value()) << both.error.toStdString();
  EXPECT_EQ(both.request->birth.place, QStringLiteral("Дача"));
  EXPECT_EQ(both.request->birth.latitude.degrees, 54);
}

// Less than a degree south or west keeps its side; 60 minutes are a degree;
// coordinates other than the named place's are no longer that place's.
TEST_F(CommandLineTest, CoordinatesKeepTheirSideAndTheirPlaceOnlyWhileTheyAreItsOwn) {
  const struct {
    const char* options;
    Coordinate latitude;
    Coordinate longitude;
    const char* place;
  } cases[] = {
      {"--latitude 51:31 --longitude -0:08", {false, 51, 31}, {true, 0, 8}, ""},
      {"--latitude -0:13 --longitude -78:30", {true, 0, 13}, {true, 78, 30}, ""},
      {"--latitude 45:60 --longitude 0:60", {false, 46, 0}, {false, 1, 0}, ""},
      {"--place London", {false, 51, 31}, {true, 0, 8}, "London"},
      {"--place Минск --latitude 53:54 --longitude 27:34",
       {false, 53, 54},
       {false, 27, 34},
       "Минск"},
      {"--place Минск --latitude 53:00 --longitude 27:34", {false, 53, 0}, {false, 27, 34}, ""},
  };
  for (const auto& c : cases) {
    const std::string options =
        std::string("--text --date 1990-05-17 --time 14:30 --zone 3 ") + c.options;
    const auto parsed = Parse(options.c_str());
    ASSERT_TRUE(parsed.request.has_value()) << c.options << ": " << parsed.error.toStdString();
    EXPECT_EQ(parsed.request->birth.latitude, c.latitude) << c.options;
    EXPECT_EQ(parsed.request->birth.longitude, c.longitude) << c.options;
    EXPECT_EQ(parsed.request->birth.place, QString::fromUtf8(c.place)) << c.options;
  }
}

TEST_F(CommandLineTest, TheZoneIsReadAsTheWindowsZoneBoxReadsIt) {
  const struct {
    const char* typed;
    int32_t minutes;
  } cases[] = {{"5:30", 330}, {"-3:30", -210}, {"5,5", 330}, {"+14", 840}, {"-12", -720}};
  for (const auto& zone : cases) {
    const auto parsed = Parse(
        QStringList{QStringLiteral("--text"), QStringLiteral("--date"),
                    QStringLiteral("2000-01-01"), QStringLiteral("--time"), QStringLiteral("12:00"),
                    QStringLiteral("--place"), QStringLiteral("Kolkata, India"),
                    QStringLiteral("--zone"), QString::fromLatin1(zone.typed)});
    ASSERT_TRUE(parsed.request.has_value()) << zone.typed << ": " << parsed.error.toStdString();
    EXPECT_EQ(ZoneOffsetMinutes(parsed.request->birth), zone.minutes) << zone.typed;
    // Typed by hand: no database zone.
    EXPECT_EQ(parsed.request->birth.zoneName, QString()) << zone.typed;
  }
}

TEST_F(CommandLineTest, WithoutAZoneThePlacesZoneAtTheBirthIsTaken) {
  const auto zoneOf = [this](const QStringList& arguments) {
    const ParsedCommandLine parsed = Parse(arguments);
    EXPECT_TRUE(parsed.request.has_value()) << parsed.error.toStdString();
    return parsed.request ? parsed.request->birth : BirthData();
  };
  // Moscow kept summer time in 1990: +4 in July, +3 in January.
  const BirthData july = zoneOf(Args("--text --date 17.07.1990 --time 14:30 --place Москва"));
  EXPECT_EQ(july.zoneHours, 4);
  EXPECT_EQ(july.zoneMinutes, 0);
  EXPECT_EQ(july.zoneName, QStringLiteral("Europe/Moscow"));
  EXPECT_EQ(ZoneOffsetMinutes(zoneOf(Args("--json --date 1990-01-17 --time 14:30 --place Москва "
                                          "--auto-zone"))),
            180);
  // India's +5:30; Aachen, the list's first line, in German summer time.
  const QStringList kolkata = {QStringLiteral("--text"), QStringLiteral("--date=2000-01-01"),
                               QStringLiteral("--time=0:10"), QStringLiteral("--place"),
                               QStringLiteral("Kolkata, India")};
  const BirthData india = zoneOf(kolkata);
  EXPECT_EQ(ZoneOffsetMinutes(india), 330);
  EXPECT_EQ(india.zoneName, QStringLiteral("Asia/Kolkata"));
  const BirthData aachen =
      zoneOf({QStringLiteral("--text"), QStringLiteral("--date=1990-07-17"),
              QStringLiteral("--time=14:30"), QStringLiteral("--place=Aachen, Germany")});
  EXPECT_EQ(aachen.latitude.degrees, 50);
  EXPECT_EQ(ZoneOffsetMinutes(aachen), 120);
  // Coordinates given beside a listed place replace its coordinates, not its zone.
  const BirthData moved = zoneOf(
      Args("--text --date 17.07.1990 --time 14:30 --place Москва --latitude 56:00 --longitude "
           "38:00"));
  EXPECT_EQ(moved.zoneHours, 4);
  EXPECT_EQ(moved.latitude.degrees, 56);
  // Moscow put its clocks forward at 2:00 on 25 March 1990: 2:30 never showed
  // and counts as summer time; on 30 September 2:30 showed twice, first at +4.
  EXPECT_EQ(ZoneOffsetMinutes(zoneOf(Args("--text --date 25.03.1990 --time 2:30 --place Москва"))),
            240);
  EXPECT_EQ(ZoneOffsetMinutes(zoneOf(Args("--text --date 30.09.1990 --time 2:30 --place Москва"))),
            240);
}

TEST_F(CommandLineTest, EveryMistakeIsNamed) {
  EXPECT_NE(ErrorOf("--date 1990-05-17 --time 14:30 --zone 3 --place Минск").find("--text"),
            std::string::npos);
  EXPECT_NE(
      ErrorOf("--text --json --date 1990-05-17 --time 14:30 --zone 3 --place Минск").find("одно"),
      std::string::npos);
  EXPECT_NE(ErrorOf("--text --time 14:30 --zone 3 --place Минск").find("--date"),
            std::string::npos);
  EXPECT_NE(
      ErrorOf("--text --date 31.04.1990 --time 14:30 --zone 3 --place Минск").find("31.04.1990"),
      std::string::npos);
  EXPECT_NE(
      ErrorOf("--text --date 0099-12-31 --time 14:30 --zone 3 --place Минск").find("0099-12-31"),
      std::string::npos);
  EXPECT_NE(ErrorOf("--text --date 1990-05-17 --time 24:00 --zone 3 --place Минск").find("24:00"),
            std::string::npos);
  EXPECT_NE(ErrorOf("--text --date 1990-05-17 --time 14:30 --latitude 53:54 --longitude 27:34")
                .find("--zone"),
            std::string::npos);
  EXPECT_NE(ErrorOf("--text --date 1990-05-17 --time 14:30 --zone 15 --place Минск").find("15"),
            std::string::npos);
  EXPECT_NE(ErrorOf("--text --date 1990-05-17 --time 14:30 --zone 5:60 --place Минск").find("5:60"),
            std::string::npos);
  EXPECT_NE(ErrorOf("--text --date 1990-05-17 --time 14:30 --zone 3 --auto-zone --place Минск")
                .find("--auto-zone"),
            std::string::npos);
  // A place not in the list has no zone to take.
  EXPECT_NE(ErrorOf("--text --date 1990-05-17 --time 14:30 --auto-zone --place Дача --latitude "
                    "54:10 --longitude 28:00")
                .find("--place"),
            std::string::npos);
  EXPECT_NE(ErrorOf("--text --date 1990-05-17 --time 14:30 --zone 3").find("--place"),
            std::string::npos);
  EXPECT_NE(
      ErrorOf("--text --date 1990-05-17 --time 14:30 --zone 3 --place Атлантида").find("Атлантида"),
      std::string::npos);
  EXPECT_NE(ErrorOf("--text --date 1990-05-17 --time 14:30 --zone 3 --latitude 53:54")
                .find("--longitude"),
            std::string::npos);
  EXPECT_NE(ErrorOf("--text --date 1990-05-17 --time 14:30 --zone 3 --latitude 91:00 "
                    "--longitude 0")
                .find("91:00"),
            std::string::npos);
  // Beyond the limit by a minute: refused, not calculated.
  EXPECT_NE(ErrorOf("--text --date 1990-05-17 --time 14:30 --zone 3 --latitude 90:01 "
                    "--longitude 0")
                .find("90:01"),
            std::string::npos);
  EXPECT_NE(ErrorOf("--text --date 1990-05-17 --time 14:30 --zone 3 --latitude 0 "
                    "--longitude -180:01")
                .find("-180:01"),
            std::string::npos);
  EXPECT_NE(
      ErrorOf("--text --date 1990-05-17 --time 14:30 --zone 3 --place Минск --sex x").find("--sex"),
      std::string::npos);
  EXPECT_NE(ErrorOf("--text --datum 1990-05-17").find("--datum"), std::string::npos);
  EXPECT_NE(ErrorOf("--text --zone 3 --zone 4").find("--zone"), std::string::npos);
  EXPECT_NE(ErrorOf("--text --date").find("--date"), std::string::npos);
}

TEST_F(CommandLineTest, TheCalendarFollowsThePlacesZoneUnlessOneIsTyped) {
  const struct {
    const char* arguments;
    CalendarFormat format;
    YearMonth first;
    int32_t months;
    const char* zoneName;  // followed, or empty for a typed zone
    int32_t zoneMinutes;
  } cases[] = {
      {"--calendar 2026-12 --place Киев --text",
       CalendarFormat::kText,
       {2026, 12},
       1,
       "Europe/Kyiv",
       0},
      {"--calendar 2026-3 --months 12 --place Киев --auto-zone --ics",
       CalendarFormat::kICalendar,
       {2026, 3},
       12,
       "Europe/Kyiv",
       0},
      {"--calendar 0100-01 --latitude 50:27 --longitude 30:31 --zone 5:30 --json",
       CalendarFormat::kJson,
       {100, 1},
       1,
       "",
       330},
      {"--calendar 3995-10 --place Киев --zone 2 --text",
       CalendarFormat::kText,
       {3995, 10},
       1,
       "",
       120},
  };
  for (const auto& c : cases) {
    const ParsedCommandLine parsed = Parse(c.arguments);
    ASSERT_TRUE(parsed.calendar.has_value()) << c.arguments << ": " << parsed.error.toStdString();
    EXPECT_FALSE(parsed.request.has_value());
    EXPECT_EQ(parsed.calendar->format, c.format) << c.arguments;
    EXPECT_EQ(parsed.calendar->request.firstMonth, c.first) << c.arguments;
    EXPECT_EQ(parsed.calendar->request.months, c.months) << c.arguments;
    EXPECT_EQ(parsed.calendar->request.place.zoneName.toStdString(), c.zoneName) << c.arguments;
    EXPECT_EQ(parsed.calendar->request.place.zoneOffsetMinutes, c.zoneMinutes) << c.arguments;
  }
}

TEST_F(CommandLineTest, EveryCalendarMistakeIsNamed) {
  const struct {
    const char* arguments;
    const char* named;
  } cases[] = {
      {"--calendar 2026-13 --place Киев --text", "2026-13"},
      {"--calendar 0099-12 --place Киев --text", "0099-12"},
      {"--calendar 3995-10 --months 2 --place Киев --text", "--months"},
      {"--calendar 2026-12 --months 0 --place Киев --text", "--months"},
      {"--calendar 2026-12 --months 101 --place Киев --text", "101"},
      {"--calendar 2026-12 --place Киев", "--ics"},
      {"--calendar 2026-12 --place Киев --json --ics", "одно"},
      {"--calendar 2026-12 --latitude 50:27 --longitude 30:31 --text", "--zone"},
      {"--calendar 2026-12 --place Киев --date 1990-01-01 --text", "--date"},
      {"--calendar 2026-12 --place Киев --zone 3 --auto-zone --text", "--auto-zone"},
      {"--months 3 --place Киев --text", "--calendar"},
      {"--ics --place Киев", "--calendar"},
  };
  for (const auto& c : cases) {
    const ParsedCommandLine parsed = Parse(c.arguments);
    EXPECT_FALSE(parsed.calendar.has_value()) << c.arguments;
    EXPECT_NE(parsed.error.toStdString().find(c.named), std::string::npos)
        << c.arguments << ": " << parsed.error.toStdString();
  }
}

// A day the calendar lacks is told apart from a date written in another form.
TEST_F(CommandLineTest, TheDateMessageSaysWhatIsWrongWithTheDate) {
  const struct {
    const char* date;
    const char* said;
  } cases[] = {
      {"31.02.1990", "«31.02.1990»: Такой даты нет: в феврале 1990 года 28 дней"},
      {"2023-02-29", "«2023-02-29»: Такой даты нет: в феврале 2023 года 28 дней"},
      {"31.04.1990", "«31.04.1990»: Такой даты нет: в апреле 30 дней"},
      {"10.10.1582", "«10.10.1582»: Такой даты нет"},
      {"1990/05/17", "Дата не распознана"},
      {"01.11.3995", "допустимы даты с 1 января 100 г. по 31 октября 3995 г."},
      {"0099-12-31", "допустимы даты с 1 января 100 г. по 31 октября 3995 г."},
  };
  for (const auto& c : cases) {
    const std::string error = ErrorOf(
        (std::string("--text --time 14:30 --zone 3 --place Минск --date ") + c.date).c_str());
    EXPECT_NE(error.find(c.said), std::string::npos) << c.date << ": " << error;
  }
}

TEST_F(CommandLineTest, HelpWinsOverEverythingAndSpeaksOneLanguage) {
  EXPECT_TRUE(Parse("--text --frob -h").help);
  const QString russian = CommandLineHelp(HelpLanguage::kRussian);
  const QString english = CommandLineHelp(HelpLanguage::kEnglish);
  EXPECT_TRUE(russian.contains(QStringLiteral("Использование")));
  EXPECT_FALSE(russian.contains(QStringLiteral("Usage")));
  EXPECT_TRUE(english.contains(QStringLiteral("Usage")));
  EXPECT_FALSE(english.contains(QStringLiteral("Использование")));
}

TEST(WantsCommandLineTest, OnlyOurOptionsOrUnknownLongOnesLeaveTheWindowClosed) {
  EXPECT_FALSE(WantsCommandLine({}));
  EXPECT_FALSE(WantsCommandLine(Args("-platform offscreen")));
  EXPECT_FALSE(WantsCommandLine(Args("--style Fusion")));
  EXPECT_TRUE(WantsCommandLine(Args("--text")));
  EXPECT_TRUE(WantsCommandLine(Args("-platform offscreen --json")));
  EXPECT_TRUE(WantsCommandLine(Args("--date=1990-05-17")));
  EXPECT_TRUE(WantsCommandLine(Args("--txt")));
  EXPECT_TRUE(WantsCommandLine(Args("--auto-zone")));
}

}  // namespace
}  // namespace frontend
