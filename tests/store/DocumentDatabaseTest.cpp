#include <gtest/gtest.h>

#include <fstream>

#include "document/CZOFDoc.h"
#include "support/DocumentFixture.h"
#include "support/Files.h"
#include "support/IlgLines.h"

using namespace zofar;
using namespace zofar::test;

namespace {

class DocumentDatabaseTest : public DocumentFixture {
protected:
    std::string WriteList(const std::string& fileName, int records) {
        std::ofstream out(dir.file(fileName));
        for (int i = 0; i < records; ++i)
            out << IlgLine("   " + std::to_string(6000 + i), "Station " + std::to_string(i), "0000-0100");
        return fileName;
    }
    CreateDatabaseRequest Request(const std::string& name, const std::string& listFile, bool replace = false) {
        CreateDatabaseRequest r;
        r.name = name;
        r.sourceFolder = dir.folder();
        r.sourceFileName = listFile;
        r.sourcePath = dir.file(listFile);
        r.replace = replace;
        return r;
    }
    bool Create(const std::string& name, const std::string& listFile, bool replace = false) {
        ui.createAnswers.push_back(Request(name, listFile, replace));
        doc.OnDatabaseCreate();
        return doc.IsOpen();
    }
    std::vector<std::string> Files() {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

}  // namespace

TEST_F(DocumentDatabaseTest, createImportsOpensAndShowsTheFirstRecord) {
    ASSERT_TRUE(Create("ALPHA", WriteList("a.txt", 3)));
    EXPECT_EQ(doc.RecordCount(), 3);
    EXPECT_EQ(doc.DatabaseName(), "ALPHA");
    EXPECT_EQ(doc.SortKey(), "FREQ");
    EXPECT_EQ(ui.titles.back(), "ALPHA");
    EXPECT_EQ(ui.hints, (std::vector<int>{kHintDatabaseChanged, kHintShowCurrent}));
    EXPECT_EQ(doc.CurrentPosition(), 0);
    EXPECT_EQ(ui.statusTexts.front(), "Creating a new database");
    EXPECT_EQ(ui.statusTexts.back(), "Ready");
    EXPECT_EQ(ui.waitDepth, 0);
    EXPECT_EQ(Files(), (std::vector<std::string>{"ALPHA.mdb", "a.txt"}));
}

TEST_F(DocumentDatabaseTest, createAndDeleteDoNothingWhileADatabaseIsOpen) {
    ASSERT_TRUE(Create("ALPHA", WriteList("a.txt", 1)));
    ui.createAnswers.push_back(Request("BETA", "a.txt"));
    doc.OnDatabaseCreate();
    doc.OnDatabaseDelete();
    EXPECT_EQ(ui.createAnswers.size(), 1u);
    EXPECT_TRUE(ui.selectCaptions.empty());
    doc.OnDatabaseClose();
    doc.OnDatabaseClose();  // nothing open: nothing happens
    EXPECT_EQ(std::count(ui.statusTexts.begin(), ui.statusTexts.end(), "Closing the database"), 1);
    EXPECT_EQ(ui.hints.back(), kHintDatabaseChanged);
    EXPECT_EQ(doc.SortKey(), "") << "the sort key went with the database";
}

TEST_F(DocumentDatabaseTest, failedImportKeepsTheOldDatabaseAndLeavesNoNewFile) {
    ASSERT_TRUE(Create("ALPHA", WriteList("a.txt", 2)));
    doc.OnDatabaseClose();
    const auto before = std::filesystem::file_size(dir.file("ALPHA.mdb"));
    EXPECT_FALSE(Create("ALPHA", "missing.txt", true));
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"Error opening the ILG source file!", "Error creating a new database!"}));
    EXPECT_EQ(Files(), (std::vector<std::string>{"ALPHA.mdb", "a.txt"}));
    EXPECT_EQ(std::filesystem::file_size(dir.file("ALPHA.mdb")), before);
}

TEST_F(DocumentDatabaseTest, aCreateThatRunsOutOfDiskLeavesNoFileBehind) {
    WriteList("a.txt", 2000);
    // A disk already full, and one that fills during the import.
    for (const rlim_t limit : {rlim_t{0}, rlim_t{64 * 1024}}) {
        {
            const FileSizeLimit full(limit);
            EXPECT_FALSE(Create("ALPHA", "a.txt")) << limit;
        }
        EXPECT_EQ(Files(), std::vector<std::string>{"a.txt"}) << limit;
    }
    ASSERT_EQ(ui.storeErrors.size(), 2u);
    EXPECT_EQ(ui.storeErrors[0].rfind("The database \"ALPHA\" cannot be created: ", 0), 0u) << ui.storeErrors[0];
    EXPECT_EQ(ui.storeErrors[1].rfind("The database \"ALPHA\" cannot be written: ", 0), 0u) << ui.storeErrors[1];
}

TEST_F(DocumentDatabaseTest, cancelledCreateTouchesNothing) {
    ASSERT_TRUE(Create("ALPHA", WriteList("a.txt", 2)));
    doc.OnDatabaseClose();
    doc.OnDatabaseCreate();  // the dialog answers Cancel
    EXPECT_EQ(Files(), (std::vector<std::string>{"ALPHA.mdb", "a.txt"}));
}

TEST_F(DocumentDatabaseTest, replaceSwapsInTheNewDatabaseWhateverTheLetterCase) {
    ASSERT_TRUE(Create("ALPHA", WriteList("a.txt", 2)));
    doc.OnDatabaseClose();
    ASSERT_TRUE(Create("alpha", WriteList("b.txt", 5), true));
    EXPECT_EQ(doc.RecordCount(), 5);
    EXPECT_EQ(Files(), (std::vector<std::string>{"a.txt", "alpha.mdb", "b.txt"}));
}

TEST_F(DocumentDatabaseTest, aListWithoutValidLinesStillOpensWithItsName) {
    std::ofstream(dir.file("none.txt")) << std::string(300, 'x') << "\n";
    ASSERT_TRUE(Create("EMPTY", "none.txt"));
    EXPECT_EQ(doc.RecordCount(), 0);
    EXPECT_EQ(ui.titles.back(), "EMPTY");
    EXPECT_EQ(ui.hints.back(), kHintShowCurrent);
}

TEST_F(DocumentDatabaseTest, openWhileOpenClosesFirstEvenWhenTheNewOpenFails) {
    ASSERT_TRUE(Create("ALPHA", WriteList("a.txt", 2)));
    std::ofstream(dir.file("BROKEN.mdb")) << "not a database, only some text of sufficient length to be read";
    ui.hints.clear();
    ui.selectAnswers.push_back(std::string("BROKEN"));
    doc.OnDatabaseOpen();
    EXPECT_EQ(ui.selectLists.back(), (std::vector<std::string>{"ALPHA", "BROKEN"}));
    EXPECT_EQ(ui.selectCaptions.back(), "ZOFAR  Open a Database");
    EXPECT_EQ(ui.selectCurrents.back(), "ALPHA");
    EXPECT_FALSE(doc.IsOpen());
    EXPECT_EQ(ui.hints, (std::vector<int>{kHintDatabaseChanged}));
    EXPECT_EQ(ui.storeErrors.size(), 1u);
    EXPECT_EQ(ui.statusTexts.back(), "Ready");
    EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(DocumentDatabaseTest, openSwitchesTheFilterOnAndClearsTheCriteriaFlags) {
    ASSERT_TRUE(Create("ALPHA", WriteList("a.txt", 2)));
    doc.OnDatabaseClose();
    ChangeSettings([](DocumentSettings& s) {
        s.bFilter = 0;
        s.criteria.BFStation = 1;
        s.criteria.FStation = "kept";
        s.sort = "COUNTRY";
    });
    ui.selectAnswers.push_back(std::string("ALPHA"));
    doc.OnDatabaseOpen();
    EXPECT_TRUE(doc.IsOpen());
    EXPECT_TRUE(doc.FilterIsOn());
    EXPECT_EQ(doc.Settings().criteria.BFStation, 0u);
    EXPECT_EQ(doc.Settings().criteria.FStation, "kept");
    EXPECT_EQ(doc.SortKey(), "FREQ");
}

TEST_F(DocumentDatabaseTest, closingForgetsTheSortKeyAndFieldFiltersButKeepsModesValuesAndTheSwitch) {
    ASSERT_TRUE(Create("ALPHA", WriteList("a.txt", 2)));
    ChangeSettings([](DocumentSettings& s) {
        FilterCriteria& f = s.criteria;
        f.BFFrequency = f.BFStation = f.BFCountry = f.BFItu = f.BFLanguage = f.BFTargetarea = f.BFDay = 1;
        f.BFOnair = f.BFTime = f.BFStatus = f.BFP = f.BFStn = f.BFLc = f.BFLocation = 1;
        f.BFExactMatch = 1;
        f.BFOnairNow = 1;
        f.FStation = "BBC";
        s.sort = "STATION";
    });
    doc.OnDatabaseClose();
    const FilterCriteria& f = doc.Settings().criteria;
    for (uint32_t flag : {f.BFFrequency, f.BFStation, f.BFCountry, f.BFItu, f.BFLanguage, f.BFTargetarea, f.BFDay,
                          f.BFOnair, f.BFTime, f.BFStatus, f.BFP, f.BFStn, f.BFLc, f.BFLocation}) {
        EXPECT_EQ(flag, 0u);
    }
    EXPECT_EQ(f.BFExactMatch, 1u);
    EXPECT_EQ(f.BFOnairNow, 1u);
    EXPECT_EQ(f.FStation, "BBC");
    EXPECT_EQ(doc.SortKey(), "");
    EXPECT_TRUE(doc.FilterIsOn());
}

TEST_F(DocumentDatabaseTest, deleteOffersTheListAgainUntilCancel) {
    ASSERT_TRUE(Create("ALPHA", WriteList("a.txt", 1)));
    doc.OnDatabaseClose();
    ASSERT_TRUE(Create("BETA", "a.txt"));
    doc.OnDatabaseClose();
    ui.selectAnswers = {std::string("ALPHA"), std::string("BETA"), std::nullopt};
    ui.answers = {true, true};
    doc.OnDatabaseDelete();
    EXPECT_EQ(ui.defaultNoQuestions, ui.questions) << "a question that destroys a file defaults to No";
    EXPECT_EQ(ui.questions.front(), "Do you really want to delete the database \"ALPHA\" ?");
    ASSERT_EQ(ui.selectLists.size(), 3u);
    EXPECT_EQ(ui.selectLists[1], (std::vector<std::string>{"BETA"}));
    EXPECT_TRUE(ui.selectLists[2].empty());
    EXPECT_EQ(ui.selectCaptions.back(), "ZOFAR  Delete a Database");
    EXPECT_EQ(Files(), (std::vector<std::string>{"a.txt"}));
}

TEST_F(DocumentDatabaseTest, deleteStopsAtNo) {
    ASSERT_TRUE(Create("ALPHA", WriteList("a.txt", 1)));
    doc.OnDatabaseClose();
    ui.selectAnswers = {std::string("ALPHA")};
    doc.OnDatabaseDelete();  // the question answers No
    EXPECT_EQ(ui.selectLists.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(dir.file("ALPHA.mdb")));
}

TEST_F(DocumentDatabaseTest, theDatabaseOpenAtQuitIsReopenedAtTheNextStart) {
    ASSERT_TRUE(Create("ALPHA", WriteList("a.txt", 4)));
    ui.listRows = {0, 0, 3};
    doc.SortBy("STATION");
    ASSERT_TRUE(doc.SaveSettings());
    doc.OnCloseDocument();

    FakeScreen ui2;
    CZOFDoc next(DocumentScreen::Of(ui2), clock, DocumentPaths{dir.file("zofar.INI"), dir.folder()});
    EXPECT_TRUE(next.OnNewDocument());
    EXPECT_TRUE(next.IsOpen());
    EXPECT_EQ(next.DatabaseName(), "ALPHA");
    EXPECT_EQ(next.SortKey(), "STATION");
    EXPECT_EQ(next.RecordCount(), 4);
    EXPECT_EQ(ui2.hints, (std::vector<int>{kHintDatabaseChanged, kHintShowCurrent}));
    EXPECT_TRUE(ui2.statusTexts.empty());
}

TEST_F(DocumentDatabaseTest, aReopenedDatabaseWithoutAUsableSortKeyStartsInFrequencyOrder) {
    ASSERT_TRUE(Create("ALPHA", WriteList("a.txt", 4)));
    doc.OnCloseDocument();
    for (const char* sort : {"", "FREQ; DROP TABLE ZOFTABLE", "FREQ LIMIT 3 --", "REMARKS"}) {
        std::ofstream(dir.file("zofar.INI")) << "[Settings]\nDatabase=ALPHA\nSort=" << sort << "\n";
        FakeScreen ui2;
        CZOFDoc next(DocumentScreen::Of(ui2), clock, DocumentPaths{dir.file("zofar.INI"), dir.folder()});
        next.OnNewDocument();
        EXPECT_TRUE(ui2.storeErrors.empty()) << sort;
        EXPECT_EQ(next.SortKey(), "FREQ");
        EXPECT_EQ(next.RecordCount(), 4);
    }
}

TEST_F(DocumentDatabaseTest, aDatabaseFolderThatCannotBeWrittenGivesTheEngineErrorAndNoDatabase) {
    WriteList("a.txt", 2);
    FakeScreen ui2;
    CZOFDoc other(DocumentScreen::Of(ui2), clock,
                  DocumentPaths{dir.file("zofar.INI"), dir.file("a.txt") + "/"});  // a file, not a folder
    ui2.createAnswers.push_back(Request("ALPHA", "a.txt"));
    other.OnDatabaseCreate();
    EXPECT_FALSE(other.IsOpen());
    EXPECT_EQ(ui2.storeErrors.size(), 1u);
    EXPECT_EQ(ui2.statusTexts.back(), "Ready");
    EXPECT_EQ(ui2.waitDepth, 0);
    EXPECT_EQ(Files(), (std::vector<std::string>{"a.txt"}));
}

TEST_F(DocumentDatabaseTest, aListedDatabaseWithAnUpperCaseExtensionOpensAndReopens) {
    ASSERT_TRUE(Create("Foo", WriteList("a.txt", 1)));
    doc.OnDatabaseClose();
    std::filesystem::rename(dir.file("Foo.mdb"), dir.file("Foo.MDB"));
    ui.selectAnswers.push_back(std::string("Foo"));
    doc.OnDatabaseOpen();
    EXPECT_TRUE(doc.IsOpen());
    EXPECT_TRUE(ui.storeErrors.empty());
    ASSERT_TRUE(doc.SaveSettings());

    FakeScreen ui2;
    CZOFDoc next(DocumentScreen::Of(ui2), clock, DocumentPaths{dir.file("zofar.INI"), dir.folder()});
    next.OnNewDocument();
    EXPECT_EQ(next.RecordCount(), 1);
    EXPECT_TRUE(ui2.storeErrors.empty());
}

TEST_F(DocumentDatabaseTest, aStoredDatabaseNameOutsideTheFolderIsNotOpened) {
    std::filesystem::create_directories(dir.file("sub"));
    {
        FakeScreen ui2;
        CZOFDoc inner(DocumentScreen::Of(ui2), clock, DocumentPaths{dir.file("zofar.INI"), dir.file("sub") + "/"});
        ui2.createAnswers.push_back(Request("X", WriteList("a.txt", 1)));
        inner.OnDatabaseCreate();
        ASSERT_TRUE(inner.IsOpen());
    }
    std::ofstream(dir.file("zofar.INI")) << "[Settings]\nDatabase=sub/X\n";
    FakeScreen ui2;
    CZOFDoc next(DocumentScreen::Of(ui2), clock, DocumentPaths{dir.file("zofar.INI"), dir.folder()});
    next.OnNewDocument();
    EXPECT_FALSE(next.IsOpen());
    EXPECT_TRUE(ui2.hints.empty());
}
