#include <gtest/gtest.h>

#include "geo/TransmitterPath.h"

namespace zofar {
namespace {

// Reference figures on the WGS84 ellipsoid from Vincenty's formulae, an independent method
// (within 0.1 mm of GeographicLib here); the Flinders Peak to Buninyong line is Geoscience
// Australia's published example (54972.271 m, 306 52 05.37, back 127 10 25.07), and JFK to
// Paris the one in GeographicLib's GeodSolve manual. A spherical earth is off by up to 0.5 %,
// London to New York 5570 km instead of 5585 km.
TEST(TransmitterPath, matchesPublishedGeodesicsBetweenCities) {
    struct Case {
        const char* name;
        ListenerLocation listener;
        TransmitterCoordinates transmitter;
        double km;
        double bearing;
        double bearingFromTransmitter;
    };
    for (const Case& c : {
             Case{"London to New York", {51.5074, -0.1278}, {40.7128, -74.0060}, 5585.2336, 288.3690, 51.2412},
             Case{"JFK to Paris", {40.6, -73.8}, {49.0 + 1.0 / 60.0, 2.0 + 33.0 / 60.0}, 5853.2263, 53.4702, 291.5937},
             Case{"Berlin to Tokyo", {52.52, 13.405}, {35.6762, 139.6503}, 8937.7544, 41.6305, 330.1253},
             Case{"Sydney to London", {-33.8688, 151.2093}, {51.5074, -0.1278}, 16989.2958, 319.2926, 60.3617},
             Case{"Quito to Nairobi", {-0.1807, -78.4678}, {-1.2921, 36.8219}, 12832.7055, 91.5153, 269.1812},
             Case{"Flinders Peak to Buninyong",
                  {-(37.0 + 57.0 / 60.0 + 3.72030 / 3600.0), 144.0 + 25.0 / 60.0 + 29.52440 / 3600.0},
                  {-(37.0 + 39.0 / 60.0 + 10.15610 / 3600.0), 143.0 + 55.0 / 60.0 + 35.38390 / 3600.0},
                  54.972271,
                  306.0 + 52.0 / 60.0 + 5.37 / 3600.0,
                  127.0 + 10.0 / 60.0 + 25.07 / 3600.0},
         }) {
        const TransmitterPath path = PathToTransmitter(c.listener, c.transmitter);
        EXPECT_NEAR(path.distanceMetres / 1000.0, c.km, 0.001) << c.name;
        ASSERT_TRUE(path.bearing && path.bearingFromTransmitter) << c.name;
        EXPECT_NEAR(*path.bearing, c.bearing, 0.001) << c.name;
        EXPECT_NEAR(*path.bearingFromTransmitter, c.bearingFromTransmitter, 0.001) << c.name;
    }
}

TEST(TransmitterPath, roundsToWholeKilometresAndDegreesWithinTheCompass) {
    const TransmitterPath london = PathToTransmitter({51.5074, -0.1278}, {40.7128, -74.0060});
    EXPECT_EQ(DistanceKm(london), 5585);
    EXPECT_EQ(BearingDegrees(london), 288);

    // Due north by a hair west of it: 359.99 rounds to 0, never to 360.
    const TransmitterPath north = PathToTransmitter({0.0, 0.0}, {10.0, -0.001});
    EXPECT_EQ(BearingDegrees(north), 0);
    EXPECT_EQ(DistanceKm(north), 1106);
    EXPECT_EQ(BearingDegrees(PathToTransmitter({0.0, 0.0}, {0.0, -10.0})), 270);
}

TEST(TransmitterPath, hasNoBearingAtTheListenersOwnPoint) {
    const TransmitterPath here = PathToTransmitter({52.5, 13.4}, {52.5, 13.4});
    EXPECT_EQ(DistanceKm(here), 0);
    EXPECT_FALSE(BearingDegrees(here).has_value());
    EXPECT_FALSE(IsInBeam(here, 0));
}

TEST(BeamAzimuth, readsWholeDegreesUpTo360Only) {
    EXPECT_EQ(ReadBeamAzimuth("315"), 315);
    EXPECT_EQ(ReadBeamAzimuth(" 17"), 17);
    EXPECT_EQ(ReadBeamAzimuth("0"), 0);
    EXPECT_EQ(ReadBeamAzimuth("360 "), 360);
    for (const char* text : {"", "  ", "ND", "nd", "361", "-5", "1.5", "12x", "0315", "3 5"})
        EXPECT_FALSE(ReadBeamAzimuth(text).has_value()) << text;
}

// A transmitter in Nauen beaming towards New York: London lies at 267 degrees from it.
TEST(BeamAzimuth, theListenerIsInTheBeamWithin30DegreesEitherSideAcrossNorth) {
    const TransmitterPath path = PathToTransmitter({51.5074, -0.1278}, {52.0 + 38.0 / 60.0, 12.0 + 54.0 / 60.0});
    ASSERT_TRUE(path.bearingFromTransmitter.has_value());
    const double back = *path.bearingFromTransmitter;
    ASSERT_NEAR(back, 267.1975, 0.001);
    EXPECT_TRUE(IsInBeam(path, 267));
    EXPECT_TRUE(IsInBeam(path, 297));
    EXPECT_FALSE(IsInBeam(path, 298));
    EXPECT_TRUE(IsInBeam(path, 238));
    EXPECT_FALSE(IsInBeam(path, 237));
    EXPECT_FALSE(IsInBeam(path, 87)) << "the bearing from the listener is no beam";

    // Beam and bearing on either side of north.
    const TransmitterPath northward = PathToTransmitter({60.0, -0.5}, {50.0, 0.0});
    ASSERT_TRUE(northward.bearingFromTransmitter.has_value());
    EXPECT_NEAR(*northward.bearingFromTransmitter, 358.5572, 0.001);
    EXPECT_TRUE(IsInBeam(northward, 20));
    EXPECT_TRUE(IsInBeam(northward, 330));
    EXPECT_TRUE(IsInBeam(northward, 360));
    EXPECT_FALSE(IsInBeam(northward, 40));
    EXPECT_FALSE(IsInBeam(northward, 320));
}

}  // namespace
}  // namespace zofar
