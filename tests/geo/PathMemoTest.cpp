#include <gtest/gtest.h>

#include "geo/PathMemo.h"

namespace zofar {
namespace {

void ExpectSamePath(const TransmitterPath& a, const TransmitterPath& b) {
    EXPECT_EQ(a.distanceMetres, b.distanceMetres);
    EXPECT_EQ(a.bearing, b.bearing);
    EXPECT_EQ(a.bearingFromTransmitter, b.bearingFromTransmitter);
}

TEST(PathMemo, solvesEachSiteOnceAndForgetsWhenTheListenerMoves) {
    PathMemo memo;
    const ListenerLocation london{51.5074, -0.1278};
    const TransmitterCoordinates nauen{52.0 + 38.0 / 60.0, 12.0 + 54.0 / 60.0};
    const TransmitterCoordinates quito{-(0.0 + 10.0 / 60.0), -(78.0 + 29.0 / 60.0)};
    ExpectSamePath(memo.PathTo(london, nauen), PathToTransmitter(london, nauen));
    ExpectSamePath(memo.PathTo(london, quito), PathToTransmitter(london, quito));
    ExpectSamePath(memo.PathTo(london, nauen), PathToTransmitter(london, nauen));
    EXPECT_EQ(memo.SiteCount(), 2u);

    // Sites a minute apart, at the corners of the key's range, are kept apart.
    for (const TransmitterCoordinates& corner :
         {TransmitterCoordinates{90.0, 180.0}, TransmitterCoordinates{-90.0, -180.0},
          TransmitterCoordinates{90.0 - 1.0 / 60.0, 180.0}, TransmitterCoordinates{90.0, 180.0 - 1.0 / 60.0}}) {
        ExpectSamePath(memo.PathTo(london, corner), PathToTransmitter(london, corner));
    }
    EXPECT_EQ(memo.SiteCount(), 6u);

    const ListenerLocation sydney{-33.8688, 151.2093};
    ExpectSamePath(memo.PathTo(sydney, nauen), PathToTransmitter(sydney, nauen));
    EXPECT_EQ(memo.SiteCount(), 1u);
}

TEST(PathMemo, solvesPositionsBetweenWholeMinutesEveryTime) {
    PathMemo memo;
    const ListenerLocation london{51.5074, -0.1278};
    const TransmitterCoordinates between{52.5 + 0.3 / 60.0, 13.0};
    ExpectSamePath(memo.PathTo(london, between), PathToTransmitter(london, between));
    EXPECT_EQ(memo.SiteCount(), 0u);
}

}  // namespace
}  // namespace zofar
