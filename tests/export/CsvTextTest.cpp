#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/CsvText.h"

using namespace zofar;

namespace {

// An RFC 4180 reader of its own: records end with CR LF, quoted fields may hold anything.
// A stray quote inside an unquoted field or a bare LF fails the test.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"') {
            for (++i;; ++i) {
                if (i >= text.size()) {
                    ADD_FAILURE() << "unterminated quote";
                    return records;
                }
                if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else if (text[i] == '"') {
                    ++i;
                    break;
                } else {
                    field += text[i];
                }
            }
        }
        if (i < text.size() && text[i] == ',') {
            record.push_back(field);
            field.clear();
            ++i;
        } else if (text.compare(i, 2, "\r\n") == 0) {
            record.push_back(field);
            records.push_back(record);
            record.clear();
            field.clear();
            i += 2;
        } else if (i < text.size()) {
            EXPECT_NE(text[i], '"') << "quote inside an unquoted field at " << i;
            EXPECT_NE(text[i], '\n') << "bare line feed at " << i;
            field += text[i++];
        }
    }
    EXPECT_TRUE(record.empty() && field.empty()) << "the last line has no CR LF";
    return records;
}

}  // namespace

TEST(CsvText, writesHeaderAndRowsThatAnRfc4180ReaderReadsBackExactly) {
    ExportTable table{{"FREQ", "STATION", "REMARKS", "UNIQUEID"},
                      {{6005.0, std::string("Radio \"Free\", Europe"), std::string("line\r\nbreak"), int64_t{7}},
                       {15435.04, std::string("Rádió Kossuth ÄÖÜ"), FieldValue{}, int64_t{8}},
                       {FieldValue{}, std::string(""), std::string("lf\nonly"), int64_t{9}},
                       {9420.0}}};
    const std::string text = CsvText(table);
    const auto records = ReadCsv(text);
    ASSERT_EQ(records.size(), 5u);
    using Fields = std::vector<std::string>;
    EXPECT_EQ(records[0], (Fields{"FREQ", "STATION", "REMARKS", "UNIQUEID"}));
    EXPECT_EQ(records[1], (Fields{"6005.0", "Radio \"Free\", Europe", "line\r\nbreak", "7"}));
    EXPECT_EQ(records[2], (Fields{"15435.0", "Rádió Kossuth ÄÖÜ", "", "8"}));
    EXPECT_EQ(records[3], (Fields{"", "", "lf\nonly", "9"}));
    EXPECT_EQ(records[4], (Fields{"9420.0", "", "", ""})) << "a short row is filled with empty fields";
    EXPECT_NE(text.find("6005.0,\"Radio \"\"Free\"\", Europe\","), std::string::npos) << "quotes doubled";
    EXPECT_EQ(text.find("Rádió Kossuth ÄÖÜ,,8\r\n") != std::string::npos, true) << "plain fields stay unquoted";
}

TEST(CsvText, damagedUtf8BecomesReplacementCharacters) {
    const auto records = ReadCsv(CsvText({{"STATION"},
                                          {{std::string("A\xff"
                                                        "B")}}}));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1][0],
              "A\xEF\xBF\xBD"
              "B");
}
