#include <gtest/gtest.h>

#include "geo/TransmitterCoordinates.h"

namespace zofar {
namespace {

TEST(TransmitterCoordinates, readEveryFormTheListsWrite) {
    struct Case {
        const char* text;
        double degrees;
    };
    for (const Case& c : {
             Case{"52N31", 52.0 + 31.0 / 60.0},
             Case{"52S31", -(52.0 + 31.0 / 60.0)},
             Case{"52N", 52.0},
             Case{"5N07", 5.0 + 7.0 / 60.0},
             Case{"45N3", 45.0 + 3.0 / 60.0},
             Case{"52N 7", 52.0 + 7.0 / 60.0},
             Case{"  52N31 ", 52.0 + 31.0 / 60.0},
             Case{"52n31", 52.0 + 31.0 / 60.0},
             Case{"00N00", 0.0},
             Case{"90S", -90.0},
         }) {
        EXPECT_EQ(ReadLatitudeText(c.text), c.degrees) << c.text;
    }
    for (const Case& c : {
             Case{"013E22", 13.0 + 22.0 / 60.0},
             Case{"005W51", -(5.0 + 51.0 / 60.0)},
             Case{"13E", 13.0},
             Case{"175E40", 175.0 + 40.0 / 60.0},
             Case{"180W", -180.0},
             Case{" 78W29", -(78.0 + 29.0 / 60.0)},
         }) {
        EXPECT_EQ(ReadLongitudeText(c.text), c.degrees) << c.text;
    }
}

TEST(TransmitterCoordinates, giveNothingForAnythingMalformedOrOutOfRange) {
    for (const char* text : {"", "   ", "N31", "52", "52X31", "52E31", "52N60", "91N", "90N01", "52N315", "5200N",
                             "52N31x", "52 N31", "52.5N", "-52N", "52N  7", "52N 7 1", "0052N"}) {
        EXPECT_FALSE(ReadLatitudeText(text).has_value()) << text;
    }
    for (const char* text : {"181E", "180E01", "013N22", "1300E", "013E2x", "E22"})
        EXPECT_FALSE(ReadLongitudeText(text).has_value()) << text;
}

TEST(TransmitterCoordinates, needBothTexts) {
    const auto both = ReadTransmitterCoordinates("52N31", "013E22");
    ASSERT_TRUE(both.has_value());
    EXPECT_DOUBLE_EQ(both->latitude, 52.0 + 31.0 / 60.0);
    EXPECT_DOUBLE_EQ(both->longitude, 13.0 + 22.0 / 60.0);
    EXPECT_FALSE(ReadTransmitterCoordinates("52N31", "").has_value());
    EXPECT_FALSE(ReadTransmitterCoordinates("", "013E22").has_value());
    EXPECT_FALSE(ReadTransmitterCoordinates("013E22", "52N31").has_value()) << "columns swapped";
}

}  // namespace
}  // namespace zofar
