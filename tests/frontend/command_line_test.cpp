// The command line's options: what they give and what each mistake says.
#include <gtest/gtest.h>

#include "frontend/builtin_data.h"
#include "frontend/core/command_line.h"

namespace frontend {
namespace {

QStringList Args(const char* text) {
  return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

class CommandLineTest : public ::testing::Test {
 protected:
  ParsedCommandLine Parse(const char* text) { return ParseCommandLine(Args(text), places_); }
  // The error for `text`, which must not parse.
  std::string ErrorOf(const char* text) {
    const ParsedCommandLine parsed = Parse(text);
    EXPECT_FALSE(parsed.request.has_value()) << text;
    EXPECT_FALSE(parsed.help);
    return parsed.error.toStdString();
  }
  const QStringList places_ = LoadBuiltInPlaceList();
};

TEST_F(CommandLineTest, ThePlaceGivesItsCoordinatesAndEveryOptionItsField) {
  const ParsedCommandLine parsed = Parse(
      "--text --date 1990-05-17 --time=14:30 --zone 3 --place минск --surname Петрова"
      " --name Анна --patronymic Ильинична --sex ж");
  ASSERT_TRUE(parsed.request.has_value()) << parsed.error.toStdString();
  const BirthData& birth = parsed.request->birth;
  EXPECT_EQ(parsed.request->format, HoroscopeFormat::kText);
  EXPECT_EQ(birth.date, QDate(1990, 5, 17));
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
  EXPECT_EQ(alone.request->birth.latitude.degrees, -34);
  EXPECT_EQ(alone.request->birth.latitude.minutes, 36);
  EXPECT_EQ(alone.request->birth.longitude.degrees, -58);
  EXPECT_EQ(alone.request->birth.longitude.minutes, 0);
  EXPECT_EQ(alone.request->birth.sex, Sex::kMale);

  const auto both = Parse(
      "--text --date 1990-05-17 --time 14:30 --zone 3 --place Дача --latitude 54:10 "
      "--longitude 28:00");
  ASSERT_TRUE(both.request.has_value()) << both.error.toStdString();
  EXPECT_EQ(both.request->birth.place, QStringLiteral("Дача"));
  EXPECT_EQ(both.request->birth.latitude.degrees, 54);
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
  EXPECT_NE(ErrorOf("--text --date 1990-05-17 --time 14:30 --place Минск").find("--zone"),
            std::string::npos);
  EXPECT_NE(ErrorOf("--text --date 1990-05-17 --time 14:30 --zone 13 --place Минск").find("13"),
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
  // Less than a degree south has no form: the sign is carried by the degrees.
  EXPECT_NE(ErrorOf("--text --date 1990-05-17 --time 14:30 --zone 3 --latitude -0:30 "
                    "--longitude 0")
                .find("-0:30"),
            std::string::npos);
  EXPECT_NE(
      ErrorOf("--text --date 1990-05-17 --time 14:30 --zone 3 --place Минск --sex x").find("--sex"),
      std::string::npos);
  EXPECT_NE(ErrorOf("--text --datum 1990-05-17").find("--datum"), std::string::npos);
  EXPECT_NE(ErrorOf("--text --zone 3 --zone 4").find("--zone"), std::string::npos);
  EXPECT_NE(ErrorOf("--text --date").find("--date"), std::string::npos);
}

TEST_F(CommandLineTest, HelpWinsOverEverythingAndSpeaksBothLanguages) {
  EXPECT_TRUE(Parse("--text --frob -h").help);
  const QString help = CommandLineHelp();
  for (const char* option :
       {"--text", "--json", "--date", "--time", "--zone", "--place", "--latitude", "--longitude",
        "--surname", "--name", "--patronymic", "--sex", "--help"}) {
    EXPECT_EQ(help.count(QString::fromLatin1(option)) >= 2, true) << option;
  }
  EXPECT_TRUE(help.contains(QStringLiteral("Использование")));
  EXPECT_TRUE(help.contains(QStringLiteral("Usage")));
}

TEST(WantsCommandLineTest, OnlyOurOptionsOrUnknownLongOnesLeaveTheWindowClosed) {
  EXPECT_FALSE(WantsCommandLine({}));
  EXPECT_FALSE(WantsCommandLine(Args("-platform offscreen")));
  EXPECT_FALSE(WantsCommandLine(Args("--style Fusion")));
  EXPECT_TRUE(WantsCommandLine(Args("--text")));
  EXPECT_TRUE(WantsCommandLine(Args("-platform offscreen --json")));
  EXPECT_TRUE(WantsCommandLine(Args("--date=1990-05-17")));
  EXPECT_TRUE(WantsCommandLine(Args("--txt")));
}

}  // namespace
}  // namespace frontend
