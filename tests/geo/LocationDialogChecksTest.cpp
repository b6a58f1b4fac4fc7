#include <gtest/gtest.h>

#include "geo/LocationDialogChecks.h"
#include "geo/MaidenheadLocator.h"

namespace zofar {
namespace {

TEST(LocationDialogChecks, refuseTheFirstFieldThatDoesNotReadWithItsMessageAndFocus) {
    struct Case {
        LocationEntry entry;
        LocationField focus;
        std::string message;
    };
    for (const Case& c : {
             Case{{"XY", "52", "13"}, LocationField::Locator, NotALocatorMessage("XY")},
             Case{{"", "52,5,", "13"},
                  LocationField::Latitude,
                  "The latitude \"52,5,\" is not a number of degrees from -90 to 90 (north positive), such as 52.52."},
             Case{{" ", "", "13"},
                  LocationField::Latitude,
                  "The latitude \"\" is not a number of degrees from -90 to 90 (north positive), such as 52.52."},
             Case{{"", "52", "200"},
                  LocationField::Longitude,
                  "The longitude \"200\" is not a number of degrees from -180 to 180 (east positive), such as 13.38."},
             Case{{"", "x", "y"},
                  LocationField::Latitude,
                  "The latitude \"x\" is not a number of degrees from -90 to 90 (north positive), such as 52.52."},
         }) {
        const LocationCheckOutcome outcome = CheckLocationEntry(c.entry);
        EXPECT_FALSE(outcome.accepted) << c.message;
        EXPECT_EQ(outcome.focus, c.focus) << c.message;
        EXPECT_EQ(outcome.message, c.message);
    }
}

TEST(LocationDialogChecks, aLocatorIsTheLocationAndTheDegreeFieldsAreNotLookedAt) {
    const LocationCheckOutcome outcome = CheckLocationEntry({"jo62QM", "not read", "either"});
    ASSERT_TRUE(outcome.accepted);
    EXPECT_EQ(outcome.setting.locator, "jo62QM") << "kept as typed";
    ASSERT_TRUE(outcome.setting.location.has_value());
    EXPECT_NEAR(outcome.setting.location->latitude, 52.520833, 1e-6);
    EXPECT_FALSE(DegreeFieldsInUse("jo62QM"));
    EXPECT_TRUE(DegreeFieldsInUse(" \t"));
}

TEST(LocationDialogChecks, degreesGiveALocationWithoutLocatorAndBlankFieldsClearIt) {
    const LocationCheckOutcome degrees = CheckLocationEntry({"", " -33,8688", "151.2093 "});
    ASSERT_TRUE(degrees.accepted);
    EXPECT_EQ(degrees.setting, (LocationSetting{"", ListenerLocation{-33.8688, 151.2093}}));

    const LocationCheckOutcome cleared = CheckLocationEntry({" ", "", "  "});
    EXPECT_TRUE(cleared.accepted);
    EXPECT_EQ(cleared.setting, LocationSetting{});
}

TEST(LocationDialogChecks, theDialogOpensWithTheStoredLocatorAndTheDegreesItStandsFor) {
    const LocationEntry entry = EntryFor({"JO62qm", ListenerLocation{52.0 + 31.25 / 60.0, 13.375}});
    EXPECT_EQ(entry.locator, "JO62qm");
    EXPECT_EQ(entry.latitude, "52.520833");
    EXPECT_EQ(entry.longitude, "13.375");
    const LocationEntry none = EntryFor({});
    EXPECT_EQ(none.latitude, "");
    EXPECT_EQ(none.longitude, "");
}

}  // namespace
}  // namespace zofar
