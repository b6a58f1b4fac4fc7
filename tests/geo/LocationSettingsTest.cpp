#include <gtest/gtest.h>

#include <clocale>
#include <fstream>
#include <sstream>

#include "geo/LocationSettings.h"
#include "support/TempDir.h"

using namespace zofar;
using zofar::test::TempDir;

namespace {

LocationSetting LoadFrom(const std::string& text) { return LoadLocation(IniFile::FromText(text)); }

TEST(LocationSettings, aLocatorIsTheLocationAndWithoutOneTheDegreesAre) {
    const LocationSetting locator = LoadFrom("[Location]\nLocator=jo62QM\nLatitude=1\nLongitude=2\n");
    EXPECT_EQ(locator.locator, "jo62QM");
    ASSERT_TRUE(locator.location.has_value());
    EXPECT_NEAR(locator.location->latitude, 52.520833, 1e-6);

    EXPECT_EQ(LoadFrom("[location]\nlatitude=-33.8688\nLONGITUDE= 151.2093\n"),
              (LocationSetting{"", ListenerLocation{-33.8688, 151.2093}}));
}

TEST(LocationSettings, aMalformedOrMissingValueMeansNoLocation) {
    for (const char* text :
         {"", "[Location]\n", "[Location]\nLocator=JO62qz\nLatitude=52\nLongitude=13\n", "[Location]\nLatitude=52\n",
          "[Location]\nLatitude=52N\nLongitude=13\n", "[Location]\nLatitude=52\nLongitude=181\n",
          "[Location]\nLatitude=\nLongitude=\n", "[Settings]\nLatitude=52\nLongitude=13\n"}) {
        EXPECT_FALSE(LoadFrom(text).location.has_value()) << text;
    }
    EXPECT_EQ(LoadFrom("[Location]\nLocator=JO62qz\n").locator, "JO62qz") << "shown again as stored";
}

TEST(LocationSettings, areWrittenWithAPointIntoTheirOwnSectionKeepingTheRest) {
    TempDir dir;
    const std::string path = dir.file("zofar.INI");
    std::ofstream(path) << "[Settings]\nFStation=Radio\n; a note\n[Location]\nOld=kept\n[Window]\nToolbar=1\n";

    // A locale with a decimal comma must not reach the file.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_TRUE(SaveLocationFile(path, {"", ListenerLocation{-33.8688, 151.2093}}));
    std::setlocale(LC_NUMERIC, previous.c_str());

    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    EXPECT_EQ(text.str(),
              "[Settings]\nFStation=Radio\n; a note\n[Location]\nOld=kept\nLocator=\nLatitude=-33.8688\n"
              "Longitude=151.2093\n[Window]\nToolbar=1\n");
    EXPECT_EQ(LoadLocationFile(path), (LocationSetting{"", ListenerLocation{-33.8688, 151.2093}}));

    EXPECT_TRUE(SaveLocationFile(path, {"JO62qm", ListenerLocation{52.0 + 31.25 / 60.0, 13.375}}));
    const IniFile ini = IniFile::Load(path);
    EXPECT_EQ(ini.GetString("Location", "Locator", "?"), "JO62qm");
    EXPECT_EQ(ini.GetString("Location", "Latitude", "?"), "52.520833");
    EXPECT_EQ(ini.GetString("Location", "Longitude", "?"), "13.375");

    EXPECT_TRUE(SaveLocationFile(path, {}));
    EXPECT_EQ(IniFile::Load(path).GetString("Location", "Latitude", "?"), "");
    EXPECT_FALSE(LoadLocationFile(path).location.has_value());
    EXPECT_EQ(IniFile::Load(path).GetString("Settings", "FStation", "?"), "Radio");
}

}  // namespace
