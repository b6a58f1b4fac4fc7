#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "import/EibiImporter.h"
#include "import/EibiTestSupport.h"
#include "import/IlgDbaseImporter.h"
#include "import/IlgDbaseWriter.h"
#include "import/ScheduleTestSupport.h"
#include "store/ColumnTable.h"
#include "support/DocumentFixture.h"
#include "support/Files.h"
#include "support/IlgLines.h"
#include "support/SourceKindIds.h"

namespace zofar {
namespace {

constexpr std::string_view kEibiHeader = "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;\r\n";

// Create with each kind of list: the importer of the kind fills the database that replaces an
// old one only after success.
class DocumentImportTest : public test::DocumentFixture {
protected:
    CreateDatabaseRequest Request(const std::string& name, const std::string& listFile, int kind,
                                  bool replace = false) {
        CreateDatabaseRequest r;
        r.name = name;
        r.sourceFolder = dir.folder();
        r.sourceFileName = listFile;
        r.sourcePath = dir.file(listFile);
        r.sourceKind = kind;
        r.replace = replace;
        return r;
    }
    bool Create(const CreateDatabaseRequest& request) {
        ui.createAnswers.push_back(request);
        doc.OnDatabaseCreate();
        return doc.IsOpen();
    }
    std::string Field(int row, std::string_view column) const {
        const auto values = doc.Store().ReadRow(row);
        return values ? TextOf((*values)[static_cast<size_t>(*ColumnNumber(column) - 1)]) : "?";
    }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(DocumentImportTest, aDbaseTableBecomesTheNewOpenDatabaseWithItsSelectedRows) {
    ASSERT_TRUE(test::WriteDbaseTable(
        dir.file("b24.dbf"), test::IlgDbaseFields(),
        {test::IlgDbaseRow("Radio One"), test::IlgDbaseRow("=skipped"), test::IlgDbaseRow("Radio Two", "1200-1300")}));
    ASSERT_TRUE(Create(Request("B24", "b24.dbf", test::KindId("dbase"))));
    EXPECT_EQ(doc.RecordCount(), 2);
    EXPECT_EQ(Field(1, "START"), "12:00");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.statusTexts.back(), "Ready");
    EXPECT_EQ(ui.titles.back(), "B24");
    EXPECT_EQ(Files(), (std::vector<std::string>{"B24.mdb", "b24.dbf"}));
}

TEST_F(DocumentImportTest, anEibiScheduleBecomesTheDatabaseNamedFromItsCodeFileAndTheCountsStayInTheMessagePane) {
    std::filesystem::create_directories(dir.file("codes"));
    test::WriteBytes(dir.file("codes/eibi-readme.txt"), std::string(test::kSmallEibiReadme));
    test::WriteBytes(dir.file("sked-a26.csv"), std::string(kEibiHeader) +
                                                   "6005;0000-0100;;D;Radio One;E;Eu\r\n"
                                                   "bad;0000-0100;;D;Not A Line\r\n"
                                                   "7005;0100-0200;Mo-Fr;D;Radio Two;F;Af\r\n");
    auto request = Request("A26", "sked-a26.csv", test::KindId("eibi"));
    request.codesPath = dir.file("codes/eibi-readme.txt");
    ASSERT_TRUE(Create(request));
    EXPECT_EQ(doc.RecordCount(), 2);
    EXPECT_EQ(Field(0, "LANGUAGE"), "English");
    EXPECT_EQ(Field(1, "LANGUAGE"), "French");
    EXPECT_EQ(Field(1, "COUNTRY"), "Germany");
    EXPECT_EQ(Field(1, "DAYS"), "12345");
    EXPECT_TRUE(ui.messages.empty());
    const std::vector<std::string> last(ui.statusTexts.end() - 2, ui.statusTexts.end());
    EXPECT_EQ(last, (std::vector<std::string>{"Ready", "2 records stored, 1 line skipped"}));
    EXPECT_EQ(ui.hints.back(), kHintShowCurrent);
}

// A schedule's databases store the extension columns; an ILG list's never do.
TEST_F(DocumentImportTest, anHfccScheduleMakesADatabaseWithTheExtensionColumns) {
    test::WriteBytes(dir.file("A26all00.TXT"), test::HfccSchedule({test::HfccLine({}), "junk"}));
    ASSERT_TRUE(Create(Request("A26", "A26all00.TXT", test::KindId("hfcc"))));
    EXPECT_TRUE(doc.Store().Columns().extension);
    EXPECT_EQ(doc.Store().GetFieldValue(0, kValidToField), FieldValue("03-28"));
    EXPECT_EQ(Field(0, "END"), "07:00");
    EXPECT_EQ(ui.statusTexts.back(), "1 record stored, 1 line skipped");
    doc.OnDatabaseClose();

    std::ofstream(dir.file("b.txt")) << test::IlgLine("   6005", "Station", "0000-0100");
    ASSERT_TRUE(Create(Request("B", "b.txt", test::KindId("text"))));
    EXPECT_FALSE(doc.Store().Columns().extension);
}

// A real season's schedule, with EiBi's README beside it, is filtered by the on-air-now
// condition as an ILG list is: its days became weekday digits and its times "hh:mm".
TEST_F(DocumentImportTest, anEibiSeasonShowsWhatIsOnTheAirNow) {
    CreateDatabaseRequest request = Request("A26", "sked-a26-excerpt.csv", test::KindId("eibi"));
    request.sourceFolder = ZOFAR_EIBI_DIR;
    ASSERT_TRUE(Create(request));
    const int all = doc.RecordCount();
    EXPECT_EQ(ui.statusTexts.back(), std::to_string(all) + " records stored, 0 lines skipped");

    clock.Set(UtcTime{2026, 6, 1, 16, 15, 0, 1});  // a Monday
    FilterCriteria c = doc.Settings().criteria;
    c.BFOnair = 1;
    c.BFOnairNow = 1;
    ui.filterAnswers.push_back(c);
    doc.SetFilter();
    ASSERT_GT(doc.RecordCount(), 0);
    EXPECT_LT(doc.RecordCount(), all);
    bool algiers = false;
    for (int row = 0; row < doc.RecordCount(); ++row) {
        const std::string days = Field(row, "DAYS");
        EXPECT_TRUE(days.empty() || days.find('1') != std::string::npos) << days;
        algiers |= Field(row, "STATION") == "R.Algiers Int." && Field(row, "START") == "16:00";
    }
    EXPECT_TRUE(algiers);
}

// A winter season's entries say when they run: on a Wednesday before Christmas the on-air-now
// set holds exactly the entries whose dates, days and times cover the moment.
TEST_F(DocumentImportTest, aDatedEibiSeasonIsOnTheAirOnlyWhenItsDatesDaysAndTimesCoverTheMoment) {
    test::WriteBytes(dir.file("sked-b25.csv"), std::string(kEibiHeader) +
                                                   "17.2;0800-0830;24Dec;S;SAQ Grimeton;-CW;Eu;gr;6;0812;2412\r\n"
                                                   "6000;0000-2400;;D;Daily One;E;Eu;;1;;\r\n"
                                                   "6010;0800-0900;;D;Inactive;E;Eu;;8;;\r\n"
                                                   "6020;0800-0900;;D;Summer Only;E;Eu;;5;;\r\n"
                                                   "6030;0800-0900;;D;Winter Only;E;Eu;;4;;[1125]\r\n"
                                                   "6040;0800-0900;;D;Dated Later;E;Eu;;6;2612;3112\r\n"
                                                   "6050;0800-0900;;D;Dated Now;E;Eu;;6;0112;2412\r\n"
                                                   "6060;2300-0900;;D;Past Midnight;E;Eu;;6;0112;2312\r\n"
                                                   "6070;0800-0900;irr;D;Irregular;E;Eu;;1;;\r\n"
                                                   "6080;0800-0900;4.We;D;Fourth Wednesday;E;Eu;;1;;\r\n"
                                                   "6090;0800-0900;1.We;D;First Wednesday;E;Eu;;1;;\r\n"
                                                   "6100;0800-0900;Th;D;Thursdays;E;Eu;;1;;\r\n"
                                                   "6110;0800-0900;Last3;D;Last Wednesday;E;Eu;;1;;\r\n");
    ASSERT_TRUE(Create(Request("B25", "sked-b25.csv", test::KindId("eibi"))));
    ASSERT_EQ(doc.RecordCount(), 13);
    EXPECT_TRUE(doc.Store().Columns().extension);

    clock.Set(UtcTime{2025, 12, 24, 8, 15, 0, 3});
    FilterCriteria c = doc.Settings().criteria;
    c.BFOnair = 1;
    c.BFOnairNow = 1;
    ui.filterAnswers.push_back(c);
    doc.SetFilter();
    std::vector<std::string> onAir;
    for (int row = 0; row < doc.RecordCount(); ++row) onAir.push_back(Field(row, "STATION"));
    EXPECT_EQ(onAir, (std::vector<std::string>{"SAQ Grimeton", "Daily One", "Winter Only", "Dated Now", "Past Midnight",
                                               "Fourth Wednesday"}));
    const auto saq = doc.Store().ReadRow(0);
    ASSERT_TRUE(saq);
    EXPECT_EQ(TextOf((*saq)[kDaysTextField]), "24Dec");
    EXPECT_EQ(TextOf((*saq)[kValidFromField]), "12-24");
}

// Each kind fails in its own way; none of them leaves a file or touches the database it was
// to replace.
TEST_F(DocumentImportTest, aFailedImportOfEveryKindKeepsTheOldDatabaseAsItWas) {
    std::ofstream(dir.file("old.txt")) << test::IlgLine("   6005", "Old Station", "0000-0100");
    ASSERT_TRUE(Create(Request("OLD", "old.txt", test::KindId("text"))));
    doc.OnDatabaseClose();
    const std::string before = test::ReadBytes(dir.file("OLD.mdb"));

    test::WriteBytes(dir.file("noise.dbf"), "\x03\x7f\x01\x01 random bytes, no dBASE table at all");
    test::WriteBytes(dir.file("nothing.csv"), std::string(kEibiHeader) + "junk;line\r\n");
    ASSERT_TRUE(test::WriteDbaseTable(dir.file("eq.dbf"), test::IlgDbaseFields(), {test::IlgDbaseRow("=a")}));
    struct Case {
        int kind;
        const char* file;
        std::vector<std::string> messages;
        size_t storeErrors;
    };
    const int text = test::KindId("text"), dbase = test::KindId("dbase"), eibi = test::KindId("eibi");
    const std::vector<Case> cases = {
        {text, "missing.txt", {"Error opening the ILG source file!", "Error creating a new database!"}, 0},
        {dbase, "noise.dbf", {"Error creating a new database!"}, 1},
        {dbase, "eq.dbf", {std::string(kIlgDbaseEmptyMessage), "Error creating a new database!"}, 0},
        {eibi, "nothing.csv", {std::string(kEibiNoValidLineMessage), "Error creating a new database!"}, 0},
        {eibi, "missing.csv", {std::string(kEibiOpenErrorMessage), "Error creating a new database!"}, 0},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        ui.storeErrors.clear();
        EXPECT_FALSE(Create(Request("old", c.file, c.kind, true))) << c.file;
        EXPECT_EQ(ui.messages, c.messages) << c.file;
        EXPECT_EQ(ui.storeErrors.size(), c.storeErrors) << c.file;
        EXPECT_EQ(ui.statusTexts.back(), "Ready");
        EXPECT_EQ(ui.waitDepth, 0);
        EXPECT_EQ(Files(), (std::vector<std::string>{"OLD.mdb", "eq.dbf", "noise.dbf", "nothing.csv", "old.txt"}))
            << c.file;
        EXPECT_EQ(test::ReadBytes(dir.file("OLD.mdb")), before) << c.file;
    }
}

}  // namespace
}  // namespace zofar
