#include "document/StatusTexts.h"

#include <gtest/gtest.h>

#include "base/TextEncoding.h"

namespace zofar {
namespace {

TEST(StatusTexts, panesShowCountSortKeyAndFilter) {
    EXPECT_EQ(RecordsPaneText(0), "Records:  0");
    EXPECT_EQ(RecordsPaneText(123456), "Records:  123456");
    EXPECT_EQ(SortPaneText("TARGETAR"), "Sort:  TARGETAR");
    EXPECT_EQ(SortPaneText(""), "Sort:  ");
    EXPECT_EQ(FilterPaneText("Frequency 0-30000 kHz"), "Filter:  Frequency 0-30000 kHz");
    EXPECT_EQ(FilterPaneText("No filter"), "No filter");
    EXPECT_EQ(FilterPaneTip("Filter:  Frequency 0-30000 kHz", "(FREQ BETWEEN 0.0 AND 30000.0)"),
              "Filter:  Frequency 0-30000 kHz\n(FREQ BETWEEN 0.0 AND 30000.0)");
    EXPECT_EQ(FilterPaneTip("No filter", ""), "No filter");
}

TEST(StatusTexts, clockPadsEachFieldToTwoDigits) {
    UtcTime t;
    t.hour = 9;
    t.minute = 5;
    t.second = 3;
    EXPECT_EQ(ClockPaneText(t), " 09:05:03  UTC");
    t.hour = 23;
    t.minute = 59;
    t.second = 59;
    EXPECT_EQ(ClockPaneText(t), " 23:59:59  UTC");
}

TEST(StatusTexts, titleQuotesTheDatabaseNameAfterTwoBlanks) {
    EXPECT_EQ(MainTitleText(""), " ZOFAR Program Database");
    EXPECT_EQ(MainTitleText("SAMPLE"), " ZOFAR Program Database  \"SAMPLE\"");
}

TEST(StatusTexts, titleIsCutToItsRoomWithoutSplittingACharacter) {
    const std::string longName(300, 'A');
    const std::string title = MainTitleText(longName);
    EXPECT_EQ(title.size(), kMaxTitleLength);
    EXPECT_EQ(title.substr(0, 26), " ZOFAR Program Database  \"");

    std::string umlauts;
    for (int i = 0; i < 300; ++i) umlauts += "\xC3\xA4";  // a-umlaut, two bytes each
    const std::string cut = MainTitleText(umlauts);
    EXPECT_EQ(cut.size(), 26 + 2 * (kMaxTitleLength - 26));
    EXPECT_EQ(static_cast<unsigned char>(cut.back()), 0xA4);
}

TEST(StatusTexts, textTooWideForItsPaneEndsInTheMarkAtTheLastWholeCharacterThatFits) {
    // Ten pixels a character, the mark included.
    const auto measure = [](std::string_view t) { return 10 * static_cast<int>(Utf8Length(t)); };
    const struct {
        std::string_view text;
        int width;
        std::string_view shown;
    } cases[] = {
        {"Filter:  disabled", 170, "Filter:  disabled"},
        {"Filter:  disabled", 169, "Filter:  disabl\u2026"},
        {"Filter:  disabled", 60, "Filte\u2026"},
        {"STATION LIKE '\xC3\x84GYPTEN'", 160, "STATION LIKE '\xC3\x84\u2026"},
        {"Filter:  disabled", 5, "\u2026"},
        {"", 0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ElideToWidth(c.text, c.width, measure), c.shown) << c.width;
}

}  // namespace
}  // namespace zofar
