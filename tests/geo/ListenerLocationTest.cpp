#include <gtest/gtest.h>

#include "geo/ListenerLocation.h"
#include "geo/MaidenheadLocator.h"

namespace zofar {
namespace {

TEST(MaidenheadLocator, givesTheCentreOfTheSquareOrSubsquareInAnyLetterCase) {
    struct Case {
        const char* text;
        double latitude;
        double longitude;
    };
    for (const Case& c : {
             Case{"JO62qm", 52.0 + 31.25 / 60.0, 13.0 + 22.5 / 60.0},
             Case{"jo62QM", 52.0 + 31.25 / 60.0, 13.0 + 22.5 / 60.0},
             Case{" JO62qm\t", 52.0 + 31.25 / 60.0, 13.0 + 22.5 / 60.0}, Case{"JO62", 52.5, 13.0},
             Case{"AA00", -89.5, -179.0}, Case{"AA00aa", -90.0 + 1.25 / 60.0, -180.0 + 2.5 / 60.0},
             Case{"RR99xx", 90.0 - 1.25 / 60.0, 180.0 - 2.5 / 60.0},
             Case{"FN20xr", 40.0 + 43.75 / 60.0, -74.0 - 2.5 / 60.0},   // New York
             Case{"QF56od", -34.0 + 8.75 / 60.0, 151.0 + 12.5 / 60.0},  // Sydney
         }) {
        const LocationReading reading = ReadLocator(c.text);
        ASSERT_TRUE(reading.location.has_value()) << c.text;
        EXPECT_NEAR(reading.location->latitude, c.latitude, 1e-9) << c.text;
        EXPECT_NEAR(reading.location->longitude, c.longitude, 1e-9) << c.text;
        EXPECT_EQ(reading.message, "");
    }
}

TEST(MaidenheadLocator, refusesEverythingElseWithOneMessage) {
    for (const char* text : {"", "XY", "JO6", "JO62q", "JO62qm1", "JO62qmab", "SS00", "JS62", "J062", "JO6Aqm",
                             "JO62qy", "JO62yq", "JO 62qm", "JO62q-"}) {
        const LocationReading reading = ReadLocator(text);
        EXPECT_FALSE(reading.location.has_value()) << text;
        EXPECT_EQ(reading.message, NotALocatorMessage(text));
    }
    EXPECT_EQ(NotALocatorMessage("XY"),
              "The locator \"XY\" is not a Maidenhead locator of 4 or 6 characters, such as JO62qm.");
}

TEST(DecimalDegrees, readWithPointOrCommaWithinTheirRangeOnly) {
    EXPECT_EQ(ReadDecimalLatitude("52.52"), 52.52);
    EXPECT_EQ(ReadDecimalLatitude(" -33,9 "), -33.9);
    EXPECT_EQ(ReadDecimalLatitude("-90"), -90.0);
    EXPECT_EQ(ReadDecimalLongitude("180"), 180.0);
    EXPECT_EQ(ReadDecimalLongitude("-179.5"), -179.5);
    for (const char* text : {"", "  ", "90.01", "abc", "52N", "1e3", "nan", "inf", "52.5.1", "12 3"})
        EXPECT_FALSE(ReadDecimalLatitude(text).has_value()) << text;
    EXPECT_FALSE(ReadDecimalLongitude("180.5").has_value());
    EXPECT_EQ(ReadDecimalLatitude("1e1"), 10.0);
}

TEST(DecimalDegrees, theLocationMessageNamesTheFirstFieldThatDoesNotRead) {
    EXPECT_EQ(ReadDecimalLocation("52.5", "13.4").location, (ListenerLocation{52.5, 13.4}));
    EXPECT_EQ(ReadDecimalLocation("95", "x").message,
              "The latitude \"95\" is not a number of degrees from -90 to 90 (north positive), such as 52.52.");
    EXPECT_EQ(ReadDecimalLocation("52", "").message,
              "The longitude \"\" is not a number of degrees from -180 to 180 (east positive), such as 13.38.");
}

TEST(DecimalDegrees, areWrittenWithAPointAndAtMostSixDecimals) {
    EXPECT_EQ(FormatDecimalDegrees(52.0 + 12.5 / 60.0), "52.208333");
    EXPECT_EQ(FormatDecimalDegrees(-0.5), "-0.5");
    EXPECT_EQ(FormatDecimalDegrees(13.0), "13");
    EXPECT_EQ(FormatDecimalDegrees(-180.0), "-180");
    EXPECT_EQ(FormatDecimalDegrees(-0.0000001), "0");
    EXPECT_EQ(ReadDecimalLatitude(FormatDecimalDegrees(-33.8688)), -33.8688);
}

}  // namespace
}  // namespace zofar
