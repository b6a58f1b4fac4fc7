#include <gtest/gtest.h>

#include <string>

#include "export/Bookmark.h"

using namespace zofar;

TEST(Bookmark, moduChoosesTheModulationModeAndBandwidth) {
    struct Case {
        const char* modu;
        BookmarkMode mode;
    };
    const Case cases[] = {
        {"A", {"AM", 2, 10000}},  {"a", {"AM", 2, 10000}},   {"U", {"USB", 4, 2800}}, {"L", {"LSB", 6, 2800}},
        {"l", {"LSB", 6, 2800}},  {"C", {"CW-U", 5, 500}},   {"F", {"AM", 2, 10000}}, {"", {"AM", 2, 10000}},
        {"UL", {"AM", 2, 10000}}, {" U ", {"USB", 4, 2800}},
    };
    for (const Case& c : cases) EXPECT_EQ(ModeOfModu(c.modu), c.mode) << '"' << c.modu << '"';
}

TEST(Bookmark, nameJoinsStationStartWithoutColonAndLanguage) {
    EXPECT_EQ(BookmarkName("BBC", "05:00", "English", "6005.0"), "BBC 0500 English");
    EXPECT_EQ(BookmarkName("  Radio Rossii ", "", " Russian", "6005.0"), "Radio Rossii Russian");
    EXPECT_EQ(BookmarkName("Deutsche Welle", "23:30", "", "6005.0"), "Deutsche Welle 2330");
    EXPECT_EQ(BookmarkName("", "", "", " 6005.0"), "6005.0") << "a record without any of them";
}

TEST(Bookmark, rowsGiveBookmarksInHzAndRowsWithoutAFrequencyAreLeftOut) {
    const ExportTable table{
        {"STATION", "FREQ", "START", "LANGUAGE", "MODU"},
        {{std::string("BBC"), 6005.0, std::string("05:00"), std::string("English"), std::string("U")},
         {std::string("No freq"), FieldValue{}, FieldValue{}, FieldValue{}, FieldValue{}},
         {std::string("Zero"), 0.0},
         {std::string("Fraction"), 9420.5}}};
    const auto bookmarks = BookmarksOf(table);
    ASSERT_EQ(bookmarks.size(), 2u);
    EXPECT_EQ(bookmarks[0].name, "BBC 0500 English");
    EXPECT_EQ(bookmarks[0].hz, 6005000);
    EXPECT_EQ(bookmarks[0].language, "English");
    EXPECT_EQ(bookmarks[0].mode.gqrxName, "USB");
    EXPECT_EQ(bookmarks[1].name, "Fraction");
    EXPECT_EQ(bookmarks[1].hz, 9420500);
    EXPECT_EQ(bookmarks[1].mode.gqrxName, "AM") << "a missing MODU";
}
