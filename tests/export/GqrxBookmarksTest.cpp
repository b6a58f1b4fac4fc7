#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "export/GqrxBookmarks.h"

using namespace zofar;

namespace {

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> SplitAt(const std::string& s, char c) {
    std::vector<std::string> parts;
    std::stringstream in(s);
    std::string part;
    while (std::getline(in, part, c)) parts.push_back(part);
    if (!s.empty() && s.back() == c) parts.emplace_back();
    return parts;
}

struct ReadBookmark {
    std::string hz, name, modulation, bandwidth;
    std::vector<std::string> tags;
};

// Reads the file as gqrx does, strictly: the tag block to the first empty line, every tag line
// "NAME; #rrggbb", every bookmark line exactly five ";" fields.
struct GqrxFile {
    std::map<std::string, std::string> tagColours;
    std::vector<ReadBookmark> bookmarks;

    explicit GqrxFile(const std::string& text) {
        std::stringstream in(text);
        std::string line;
        bool tags = true;
        while (std::getline(in, line)) {
            if (Trim(line).empty()) {
                tags = false;
                continue;
            }
            if (line[0] == '#') continue;
            const auto fields = SplitAt(line, ';');
            if (tags) {
                EXPECT_EQ(fields.size(), 2u) << line;
                if (fields.size() != 2) continue;
                EXPECT_TRUE(std::regex_match(Trim(fields[1]), std::regex("#[0-9a-f]{6}"))) << line;
                tagColours[Trim(fields[0])] = Trim(fields[1]);
                continue;
            }
            EXPECT_EQ(fields.size(), 5u) << line;
            if (fields.size() != 5) continue;
            ReadBookmark b{Trim(fields[0]), Trim(fields[1]), Trim(fields[2]), Trim(fields[3]), {}};
            for (const auto& tag : SplitAt(fields[4], ',')) b.tags.push_back(Trim(tag));
            bookmarks.push_back(b);
        }
    }
};

Bookmark Make(std::string name, int64_t hz, std::string language, const char* modu) {
    return {std::move(name), hz, std::move(language), ModeOfModu(modu)};
}

}  // namespace

TEST(GqrxBookmarks, everyLineHasGqrxsFieldsAndEveryTagItsColour) {
    const std::string text = GqrxBookmarksText({Make("BBC 0500 English", 6005000, "English", "A"),
                                                Make("R; Nord 1200 Ελληνικά", 9420000, "Ελληνικά", "U"),
                                                Make("Ham 0000", 7074000, "", "C")});
    EXPECT_EQ(text.substr(0, text.find('\n')), "# Tag name          ;  color");
    EXPECT_NE(text.find("\n\n# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n"),
              std::string::npos);
    const GqrxFile file(text);
    ASSERT_EQ(file.bookmarks.size(), 3u);
    EXPECT_EQ(file.bookmarks[0].hz, "6005000");
    EXPECT_EQ(file.bookmarks[0].name, "BBC 0500 English");
    EXPECT_EQ(file.bookmarks[0].modulation, "AM");
    EXPECT_EQ(file.bookmarks[0].bandwidth, "10000");
    EXPECT_EQ(file.bookmarks[0].tags, (std::vector<std::string>{"ZOFAR", "English"}));
    EXPECT_EQ(file.bookmarks[1].name, "R, Nord 1200 Ελληνικά");
    EXPECT_EQ(file.bookmarks[1].modulation, "USB");
    EXPECT_EQ(file.bookmarks[1].bandwidth, "2800");
    EXPECT_EQ(file.bookmarks[2].modulation, "CW-U");
    EXPECT_EQ(file.bookmarks[2].tags, (std::vector<std::string>{"ZOFAR"}));
    EXPECT_EQ(file.tagColours.size(), 3u);
    for (const auto& b : file.bookmarks) {
        for (const auto& tag : b.tags) EXPECT_EQ(file.tagColours.count(tag), 1u) << tag;
    }
}

TEST(GqrxBookmarks, languageTagsLoseTheCommaGqrxWouldSplitAt) {
    const GqrxFile file(GqrxBookmarksText({Make("X", 1000, "English, French", "A")}));
    ASSERT_EQ(file.bookmarks.size(), 1u);
    EXPECT_EQ(file.bookmarks[0].tags, (std::vector<std::string>{"ZOFAR", "English/ French"}));
}

// The user's own tag "Utility" and its line stay; so do a line gqrx cannot read and the user's
// colour for "English"; the earlier ZOFAR lines go, and with them the tag only they used.
TEST(GqrxBookmarks, mergeKeepsTheUsersLinesAndTagsAndReplacesEarlierZofarLines) {
    const std::string old =
        "# Tag name          ;  color\n"
        "Utility             ; #ff0000\r\n"
        "English             ; #00ff00\n"
        "ZOFAR               ; #123456\n"
        "Swahili             ; #0000ff\n"
        "\n"
        "# Frequency ; Name ; Modulation ; Bandwidth; Tags\n"
        "     4625000; UVB-76 ; AM ; 10000; Utility\n"
        "     6000000; Old one ; AM ; 10000; ZOFAR,Swahili\n"
        "     6195000; Mine in English ; USB ; 2800; English\n"
        "this line is not a bookmark\n";
    const GqrxBookmarksFile parsed = ParseGqrxBookmarks(old);
    const std::string text = GqrxBookmarksText({Make("BBC 0500 English", 6005000, "English", "A")}, &parsed);
    const GqrxFile file(text.substr(0, text.find("this line")) + text.substr(text.find("this line") + 28));
    EXPECT_NE(text.find("\nthis line is not a bookmark\n"), std::string::npos);
    ASSERT_EQ(file.bookmarks.size(), 3u);
    EXPECT_EQ(file.bookmarks[0].name, "UVB-76");
    EXPECT_EQ(file.bookmarks[1].name, "Mine in English");
    EXPECT_EQ(file.bookmarks[2].name, "BBC 0500 English");
    EXPECT_EQ(file.tagColours, (std::map<std::string, std::string>{
                                   {"Utility", "#ff0000"}, {"English", "#00ff00"}, {"ZOFAR", "#123456"}}));
}
