// Aoki (NDXC) lists: columns found from the header's words wherever they stand, each column's
// conversion, and the lines before the header.
#include <gtest/gtest.h>

#include "import/AokiImporter.h"
#include "import/AokiRecord.h"
#include "import/EibiTestSupport.h"
#include "import/IlgTestSupport.h"
#include "import/ScheduleTestSupport.h"

namespace zofar {
namespace {

using test::AokiLayout;
using test::Value;

const std::vector<std::string> kRow = {"6055", "Radio Nikkei 1", "0000-2400", "1.....7",         "Japanese", "50",
                                       "ND",   "Nagara",         "J",         "352810N1401320E", "DRM test"};

TEST(AokiRecord, columnsComeFromTheHeaderWordsWhereverAnEditionPutsThem) {
    const AokiLayout moved{{1, 9, 40, 52, 61, 75, 81, 86, 110, 115, 132}};
    for (const AokiLayout& layout : {AokiLayout{}, moved}) {
        const auto columns = AokiColumns::FromHeader(test::AokiHeader(layout));
        ASSERT_TRUE(columns);
        const auto record = ParseAokiLine(test::AokiRow(layout, kRow), *columns, nullptr);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->freq, 6055.0);
        const std::vector<std::pair<std::string_view, std::optional<std::string>>> expected = {
            {"STATION", "Radio Nikkei 1"},
            {"START", "00:00"},
            {"END", "24:00"},
            {"DAYS", "67"},
            {"LANGUAGE", "Japanese"},
            {"POWER", "50"},
            {"AZI", "ND"},
            {"LOCATION", "Nagara"},
            {"ITU", "J"},
            {"LATI", "35N28"},
            {"LONGI", "140E13"},
            {"REMARKS", "DRM test"},
            {"MODU", "D"},
            {"COUNTRY", std::nullopt},
        };
        for (const auto& [column, value] : expected) EXPECT_EQ(Value(*record, column), value) << column;
        EXPECT_EQ(record->extension[kDaysTextField - kFirstExtensionField], "1.....7");
    }
}

TEST(AokiRecord, positionsDaysAndHeaders) {
    const std::vector<std::pair<std::string, std::optional<std::pair<std::string, std::string>>>> positions = {
        {"372221N1405056E", {{"37N22", "140E50"}}}, {"0512S04830W", {{"05S12", "048W30"}}},
        {"372221N140505E", std::nullopt},           {"916000N0000000E", std::nullopt},
        {"372261N1405056E", std::nullopt},          {"", std::nullopt},
    };
    for (const auto& [text, want] : positions) {
        const auto got = ReadAokiPosition(text);
        ASSERT_EQ(got.has_value(), want.has_value()) << text;
        if (got) {
            EXPECT_EQ(std::make_pair(got->latitude, got->longitude), *want) << text;
        }
    }
    EXPECT_FALSE(AokiColumns::FromHeader("FREQ list of the season"));
    EXPECT_FALSE(AokiColumns::FromHeader(" FRE STATION UTC"));
    EXPECT_TRUE(AokiColumns::FromHeader("fre station utc"));

    const auto columns = *AokiColumns::FromHeader(test::AokiHeader({}));
    std::vector<std::string> row = kRow;
    row[3] = ".2.4.6.";
    EXPECT_EQ(Value(*ParseAokiLine(test::AokiRow({}, row), columns, nullptr), "DAYS"), "135");
    row[3] = "Mo-Fr";
    EXPECT_FALSE(ParseAokiLine(test::AokiRow({}, row), columns, nullptr));
    row = kRow;
    row[2] = "0000 2400";
    EXPECT_FALSE(ParseAokiLine(test::AokiRow({}, row), columns, nullptr));
}

TEST(AokiImport, theTitleBeforeTheHeaderIsPassedOverAndLatin1NamesArriveAsUtf8) {
    test::MemorySink sink;
    test::RecordingImportUi ui;
    std::vector<std::string> latin = kRow;
    latin[1] =
        "R\xE1"
        "dio Ap\xE1rec\xED"
        "da";
    std::vector<std::string> bad = kRow;
    bad[0] = "x";
    const EibiImportResult result = ImportAokiText(test::AokiList({}, {kRow, bad, latin}), nullptr, sink, ui);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.stored, 2);
    EXPECT_EQ(result.skipped, 1);
    EXPECT_EQ(Value(sink.records[1], "STATION"),
              "R\xC3\xA1"
              "dio Ap\xC3\xA1rec\xC3\xAD"
              "da");
    EXPECT_EQ(Value(sink.records[1], "LANGUAGE"), "Japanese");

    EXPECT_FALSE(ImportAokiText("no header at all\r\n6055 Radio 0000-2400\r\n", nullptr, sink, ui).ok);
    EXPECT_EQ(ui.messages, std::vector<std::string>{std::string(kAokiNoValidLineMessage)});
}

}  // namespace
}  // namespace zofar
