#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "selection/ConditionBuilder.h"

using namespace zofar;

namespace {

constexpr const char* kJoin = "   AND   ";

UtcTime At(int weekday, int hour, int minute) {
    UtcTime t;
    t.weekday = weekday;
    t.hour = hour;
    t.minute = minute;
    return t;
}

std::string Build(const FilterCriteria& c, const UtcTime& now = At(3, 12, 0)) {
    return ConditionBuilder::BuildFilterCondition(c, 1, now);
}

std::string OnAirAt(const std::string& t) {
    return "(((START < END AND START <= '" + t + "' AND END > '" + t + "') OR (START > END AND NOT (END <= '" + t +
           "' AND START > '" + t + "'))))";
}

}  // namespace

TEST(LikeGroup, splitsAlternativesAndWrapsSubstringsInWildcards) {
    EXPECT_EQ(ConditionBuilder::BuildLikeGroup("BBC|Voice", "STATION", 0),
              "(STATION LIKE '*BBC*' OR STATION LIKE '*Voice*')");
    EXPECT_EQ(ConditionBuilder::BuildLikeGroup("D", "ITU", 1), "(ITU LIKE 'D')");
    EXPECT_EQ(ConditionBuilder::BuildLikeGroup("1|7", "DAYS", 1), "(DAYS LIKE '1' OR DAYS LIKE '7')");
}

TEST(LikeGroup, skipsEmptyAlternativesWhereverTheyStand) {
    EXPECT_EQ(ConditionBuilder::BuildLikeGroup("A||B", "STN", 1), "(STN LIKE 'A' OR STN LIKE 'B')");
    EXPECT_EQ(ConditionBuilder::BuildLikeGroup("|A|", "STN", 1), "(STN LIKE 'A')");
    EXPECT_EQ(ConditionBuilder::BuildLikeGroup("||A", "STN", 0), "(STN LIKE '*A*')");
}

TEST(LikeGroup, emptyValueOrOnlySeparatorsMatchesTheEmptyTextWithoutParentheses) {
    EXPECT_EQ(ConditionBuilder::BuildLikeGroup("", "COUNTRY", 0), "COUNTRY LIKE ''");
    EXPECT_EQ(ConditionBuilder::BuildLikeGroup("", "COUNTRY", 1), "COUNTRY LIKE ''");
    EXPECT_EQ(ConditionBuilder::BuildLikeGroup("|", "STN", 1), "STN LIKE ''");
    EXPECT_EQ(ConditionBuilder::BuildLikeGroup("||", "STN", 0), "STN LIKE ''");
}

TEST(LikeGroup, keepsBlanksAndWildcardsAsTyped) {
    EXPECT_EQ(ConditionBuilder::BuildLikeGroup(" BBC", "STATION", 0), "(STATION LIKE '* BBC*')");
    EXPECT_EQ(ConditionBuilder::BuildLikeGroup("R* |  ", "STATION", 1), "(STATION LIKE 'R* ' OR STATION LIKE '  ')");
}

TEST(LikeGroup, onlyExactOneMatchesWhole) {
    EXPECT_EQ(ConditionBuilder::BuildLikeGroup("X", "LC", 2), "(LC LIKE '*X*')");
}

TEST(LikeGroup, doublesApostrophesSoTheValueStaysOneLiteral) {
    EXPECT_EQ(ConditionBuilder::BuildLikeGroup("O'Brien", "STATION", 0), "(STATION LIKE '*O''Brien*')");
    EXPECT_EQ(ConditionBuilder::BuildLikeGroup("'|x' OR 1=1 --", "STATION", 1),
              "(STATION LIKE '''' OR STATION LIKE 'x'' OR 1=1 --')");
}

TEST(FilterCondition, firstWorkedExampleFrequencyStationItuAndWrappingTime) {
    FilterCriteria c;
    c.BFFrequency = 1;
    c.FFrequency1 = 5900.0;
    c.FFrequency2 = 6200.0;
    c.BFStation = 1;
    c.FStation = "Radio|Voice";
    c.BFItu = 1;
    c.FItu = "D";
    c.BFTime = 1;
    c.FStart = "22:00";
    c.FEnd = "02:00";
    EXPECT_EQ(Build(c),
              "(FREQ BETWEEN 5900.0 AND 6200.0)   AND   (STATION LIKE '*Radio*' OR STATION LIKE '*Voice*')   AND   "
              "(ITU LIKE 'D')   AND   ((START >= '22:00' OR START <= '02:00') AND START NOT LIKE '..:..')");
}

TEST(FilterCondition, onAirNowOnSundayAfternoonUsesDaySeven) {
    FilterCriteria c;
    c.BFOnair = 1;
    c.BFOnairNow = 1;
    c.FOnairTime = "06:30";  // not used in now mode
    EXPECT_EQ(Build(c, At(7, 14, 5)),
              "(((START < END AND START <= '14:05' AND END > '14:05') OR (START > END AND NOT (END <= '14:05' AND "
              "START > '14:05'))) AND (DAYS IS NULL OR DAYS LIKE '' OR DAYS LIKE '*7*'))");
}

TEST(FilterCondition, onAirAtUsesTheHeldTimeAndNoDays) {
    FilterCriteria c;
    c.BFOnair = 1;
    c.BFOnairNow = 0;
    c.FOnairTime = "06:30";
    EXPECT_EQ(Build(c, At(7, 14, 5)),
              "(((START < END AND START <= '06:30' AND END > '06:30') OR (START > END AND NOT (END <= '06:30' AND "
              "START > '06:30'))))");
}

TEST(FilterCondition, emptyCountryAndExactLanguage) {
    FilterCriteria c;
    c.BFExactMatch = 1;
    c.BFCountry = 1;
    c.BFLanguage = 1;
    c.FLanguage = "E";
    EXPECT_EQ(Build(c), "COUNTRY LIKE ''   AND   (LANGUAGE LIKE 'E')");
}

TEST(FilterCondition, onAirNowNamesEveryWeekdayByItsDigitAndPadsTheTime) {
    FilterCriteria c;
    c.BFOnair = 1;
    c.BFOnairNow = 1;
    for (int day = 1; day <= 7; ++day) {
        const std::string text = Build(c, At(day, 3, 7));
        EXPECT_NE(text.find("START <= '03:07' AND END > '03:07'"), std::string::npos) << text;
        EXPECT_TRUE(text.ends_with("DAYS LIKE '*" + std::to_string(day) + "*'))")) << text;
    }
    EXPECT_NE(Build(c, At(1, 0, 0)).find("'00:00'"), std::string::npos);
}

TEST(FilterCondition, eachTextCriterionAloneUsesItsColumnAndMatchMode) {
    struct Case {
        uint32_t FilterCriteria::*flag;
        std::string FilterCriteria::*value;
        std::string substringPiece;  // BFExactMatch 0
        std::string exactPiece;      // BFExactMatch 1
    };
    const std::vector<Case> cases = {
        {&FilterCriteria::BFStation, &FilterCriteria::FStation, "(STATION LIKE '*v*')", "(STATION LIKE 'v')"},
        {&FilterCriteria::BFCountry, &FilterCriteria::FCountry, "(COUNTRY LIKE '*v*')", "(COUNTRY LIKE 'v')"},
        {&FilterCriteria::BFItu, &FilterCriteria::FItu, "(ITU LIKE 'v')", "(ITU LIKE 'v')"},
        {&FilterCriteria::BFLanguage, &FilterCriteria::FLanguage, "(LANGUAGE LIKE '*v*')", "(LANGUAGE LIKE 'v')"},
        {&FilterCriteria::BFTargetarea, &FilterCriteria::FTargetarea, "(TARGETAR LIKE '*v*')", "(TARGETAR LIKE 'v')"},
        {&FilterCriteria::BFDay, &FilterCriteria::FDay, "(DAYS LIKE '*v*')", "(DAYS LIKE 'v')"},
        {&FilterCriteria::BFStatus, &FilterCriteria::FStatus, "(STATUS LIKE 'v')", "(STATUS LIKE 'v')"},
        {&FilterCriteria::BFP, &FilterCriteria::FP, "(P LIKE 'v')", "(P LIKE 'v')"},
        {&FilterCriteria::BFStn, &FilterCriteria::FStn, "(STN LIKE '*v*')", "(STN LIKE 'v')"},
        {&FilterCriteria::BFLc, &FilterCriteria::FLc, "(LC LIKE 'v')", "(LC LIKE 'v')"},
        {&FilterCriteria::BFLocation, &FilterCriteria::FLocation, "(LOCATION LIKE '*v*')", "(LOCATION LIKE 'v')"},
    };
    for (const auto& k : cases) {
        FilterCriteria c;
        c.*k.flag = 1;
        c.*k.value = "v";
        c.BFExactMatch = 0;
        EXPECT_EQ(Build(c), k.substringPiece);
        c.BFExactMatch = 1;
        EXPECT_EQ(Build(c), k.exactPiece);
        c.*k.flag = 2;  // only a flag of exactly 1 takes part
        EXPECT_EQ(Build(c), "");
    }
}

TEST(FilterCondition, piecesComeInTheirFixedOrderWhateverTheMemberOrder) {
    FilterCriteria c;
    c.BFFrequency = c.BFStation = c.BFCountry = c.BFItu = c.BFLanguage = c.BFTargetarea = c.BFDay = 1;
    c.BFStatus = c.BFP = c.BFStn = c.BFLc = c.BFLocation = c.BFTime = c.BFOnair = 1;
    c.BFExactMatch = 1;
    c.FFrequency1 = 1.0;
    c.FFrequency2 = 2.0;
    c.FStation = "a";
    c.FCountry = "b";
    c.FItu = "c";
    c.FLanguage = "d";
    c.FTargetarea = "e";
    c.FDay = "f";
    c.FStatus = "g";
    c.FP = "h";
    c.FStn = "i";
    c.FLc = "j";
    c.FLocation = "k";
    c.FStart = "01:00";
    c.FEnd = "02:00";
    c.FOnairTime = "03:00";
    const std::string expected = std::string("(FREQ BETWEEN 1.0 AND 2.0)") + kJoin + "(STATION LIKE 'a')" + kJoin +
                                 "(COUNTRY LIKE 'b')" + kJoin + "(ITU LIKE 'c')" + kJoin + "(LANGUAGE LIKE 'd')" +
                                 kJoin + "(TARGETAR LIKE 'e')" + kJoin + "(DAYS LIKE 'f')" + kJoin +
                                 "(STATUS LIKE 'g')" + kJoin + "(P LIKE 'h')" + kJoin + "(STN LIKE 'i')" + kJoin +
                                 "(LC LIKE 'j')" + kJoin + "(LOCATION LIKE 'k')" + kJoin +
                                 "(START BETWEEN '01:00' AND '02:00')" + kJoin + OnAirAt("03:00");
    EXPECT_EQ(Build(c), expected);
}

TEST(FilterCondition, switchOtherThanOneGivesNoCondition) {
    FilterCriteria c;
    c.BFStation = 1;
    c.FStation = "BBC";
    EXPECT_EQ(ConditionBuilder::BuildFilterCondition(c, 0, At(1, 0, 0)), "");
    EXPECT_EQ(ConditionBuilder::BuildFilterCondition(c, 2, At(1, 0, 0)), "");
    EXPECT_EQ(ConditionBuilder::BuildFilterCondition(c, 1, At(1, 0, 0)), "(STATION LIKE '*BBC*')");
}

TEST(FilterCondition, noCriterionEnabledGivesNoCondition) {
    FilterCriteria c;
    c.FStation = "BBC";
    c.BFExactMatch = 1;
    c.BFOnairNow = 1;
    EXPECT_EQ(Build(c), "");
}

TEST(FilterCondition, startTimeRangeInOrderOrEqualUsesBetween) {
    FilterCriteria c;
    c.BFTime = 1;
    c.FStart = "06:00";
    c.FEnd = "09:30";
    EXPECT_EQ(Build(c), "(START BETWEEN '06:00' AND '09:30')");
    c.FStart = c.FEnd = "12:00";
    EXPECT_EQ(Build(c), "(START BETWEEN '12:00' AND '12:00')");
}

TEST(FilterCondition, startTimeRangePastMidnightKeepsBothEndsAndLeavesOutMissingTimes) {
    FilterCriteria c;
    c.BFTime = 1;
    c.FStart = "23:59";
    c.FEnd = "00:00";
    EXPECT_EQ(Build(c), "((START >= '23:59' OR START <= '00:00') AND START NOT LIKE '..:..')");
}

TEST(FilterCondition, frequenciesOutsideTheDialogRangeAreStillFormed) {
    FilterCriteria c;
    c.BFFrequency = 1;
    c.FFrequency1 = -5.0;
    c.FFrequency2 = 1e20;
    EXPECT_EQ(Build(c), "(FREQ BETWEEN -5.0 AND 100000000000000000000.0)");
    c.FFrequency1 = 5900.25;  // exactly representable: rounds to even like printf
    c.FFrequency2 = 0.05;
    EXPECT_EQ(Build(c), "(FREQ BETWEEN 5900.2 AND 0.1)");
    c.FFrequency1 = 1.7976931348623157e308;
    const std::string text = Build(c);
    EXPECT_TRUE(text.starts_with("(FREQ BETWEEN 179769313486231570814527423731704356798070567525844996598917"));
    EXPECT_TRUE(text.ends_with(".0 AND 0.1)"));
}

TEST(FilterCondition, frequencyKeepsItsPointUnderACommaLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    bool switched = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            switched = true;
            break;
        }
    if (!switched) GTEST_SKIP() << "no locale with a decimal comma installed";
    FilterCriteria c;
    c.BFFrequency = 1;
    c.FFrequency1 = 5900.5;
    const std::string text = Build(c);
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(text, "(FREQ BETWEEN 5900.5 AND 1000000.0)");
}

TEST(FilterCondition, apostrophesInTimesAreDoubledToo) {
    FilterCriteria c;
    c.BFTime = 1;
    c.FStart = "0'00";
    c.FEnd = "1'00";
    EXPECT_EQ(Build(c), "(START BETWEEN '0''00' AND '1''00')");
    c.BFTime = 0;
    c.BFOnair = 1;
    c.BFOnairNow = 0;
    c.FOnairTime = "x'";
    EXPECT_EQ(Build(c), OnAirAt("x''"));
}

TEST(FilterCondition, overlongValuesAreUsedUpToTheirLimitCountingCharacters) {
    FilterCriteria c;
    c.BFStation = 1;
    c.BFExactMatch = 1;
    c.FStation = std::string(510, 'a') + "\u00FC\u00FC" + "tail";  // 516 characters, 518 bytes
    EXPECT_EQ(Build(c), "(STATION LIKE '" + std::string(510, 'a') + "\u00FC')");

    FilterCriteria t;
    t.BFOnair = 1;
    t.BFOnairNow = 0;
    t.FOnairTime = std::string(31, '1') + "99";
    EXPECT_EQ(Build(t), OnAirAt(std::string(31, '1')));
}
