#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "selection/PredefinedFilterDialogChecks.h"
#include "selection/PredefinedFilterFile.h"
#include "support/DocumentFixture.h"

using namespace zofar;
using namespace zofar::test;

namespace {

using Step = FakeScreen::ManageStep;
using Checks = PredefinedFilterDialogChecks;
using Names = std::vector<std::string>;

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

CPredefFilter Station(const std::string& name, const std::string& station) {
    CPredefFilter f;
    f.name = name;
    f.criteria.BFStation = 1;
    f.criteria.FStation = station;
    return f;
}

// Ten records, UNIQUEID i with station "S<i>".
class DocumentPredefinedFiltersTest : public DocumentFixture {
protected:
    void MakeTenRecords() {
        std::vector<Row> rows;
        for (int i = 1; i <= 10; ++i) rows.emplace_back(1000.0 * i, "S" + std::to_string(i), "00:00", "23:59");
        MakeDatabase("DB", rows);
    }

    /// Creates filters at the end of the list through the Manage dialog, from the current criteria.
    void CreateThroughManage(const Names& names) {
        std::vector<Step> script;
        const int last = doc.PredefinedFilters().Count() - 1;
        for (size_t i = 0; i < names.size(); ++i) {
            script.push_back({Step::Create, last + static_cast<int>(i)});
            ui.nameAnswers.push_back(names[i]);
        }
        ui.manageScripts.push_back(script);
        doc.ManagePredefinedFilters();
    }

    void SetStation(const std::string& station) {
        FilterCriteria c = doc.Settings().criteria;
        c.BFStation = 1;
        c.FStation = station;
        ui.filterAnswers.push_back(c);
        doc.SetFilter();
    }

    void Select(std::optional<int> line) {
        ui.selectFilterAnswers.push_back(line);
        ASSERT_TRUE(doc.Execute(CommandId::SelectPredefinedFilter));
    }

    int Requeries() const { return static_cast<int>(std::count(ui.hints.begin(), ui.hints.end(), kHintRequeried)); }
};

}  // namespace

TEST_F(DocumentPredefinedFiltersTest, theFileIsReadWhenTheDocumentIsMadeAndWrittenAtEveryChange) {
    const std::string path = dir.file("own.dat");
    WriteBytes(path,
               FormatPredefinedFilterLine(Station("one", "S1")) + FormatPredefinedFilterLine(Station("two", "S2")));
    CPredefFilter added;
    added.name = "new";
    {
        CZOFDoc other(DocumentScreen::Of(ui), clock, DocumentPaths{SettingsPath(), dir.folder(), path});
        EXPECT_EQ(Checks::ListNames(other), (Names{"one", "two"}));
        ASSERT_TRUE(other.CreatePredefinedFilter(0, "new"));
        EXPECT_EQ(ReadBytes(path), FormatPredefinedFilterLine(Station("one", "S1")) +
                                       FormatPredefinedFilterLine(added) +
                                       FormatPredefinedFilterLine(Station("two", "S2")));
        other.DeletePredefinedFilter(2);
        EXPECT_EQ(ReadBytes(path),
                  FormatPredefinedFilterLine(Station("one", "S1")) + FormatPredefinedFilterLine(added));
        std::filesystem::remove(path);
    }
    EXPECT_EQ(ReadBytes(path), FormatPredefinedFilterLine(Station("one", "S1")) + FormatPredefinedFilterLine(added))
        << "closing writes the file too";
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
}

TEST_F(DocumentPredefinedFiltersTest, aFailedWriteIsToldOnceInTheStatusBarAndTheListStays) {
    const std::string folder = dir.file("gone") + "/";
    const std::string path = folder + "own.dat";
    CZOFDoc other(DocumentScreen::Of(ui), clock, DocumentPaths{SettingsPath(), dir.folder(), path});
    ASSERT_TRUE(other.CreatePredefinedFilter(0, "a"));
    ASSERT_TRUE(other.CreatePredefinedFilter(0, "b"));
    other.DeletePredefinedFilter(0);
    const std::string told = "The predefined filters could not be saved to " + path + ".";
    EXPECT_EQ(std::count(ui.statusTexts.begin(), ui.statusTexts.end(), told), 1);
    EXPECT_EQ(other.PredefinedFilters().Count(), 1);

    std::filesystem::create_directory(folder);
    ASSERT_TRUE(other.CreatePredefinedFilter(0, "c"));
    Names written;
    for (const auto& entry : LoadPredefinedFilterFile(path).entries) written.push_back(entry.name);
    EXPECT_EQ(written, Checks::ListNames(other));
    EXPECT_EQ(written.size(), 2u);
}

TEST_F(DocumentPredefinedFiltersTest, aFileWithAnUnreadableLineKeepsTheOtherFiltersAndIsKeptBesideWhenWritten) {
    const std::string path = dir.file("own.dat");
    std::string bad = FormatPredefinedFilterLine(Station("second", "S2"));
    bad.replace(bad.find("0.0"), 3, "abc");
    const std::string old =
        FormatPredefinedFilterLine(Station("first", "S1")) + bad + FormatPredefinedFilterLine(Station("third", "S3"));
    WriteBytes(path, old);
    {
        CZOFDoc other(DocumentScreen::Of(ui), clock, DocumentPaths{SettingsPath(), dir.folder(), path});
        EXPECT_EQ(Checks::ListNames(other), (Names{"first", "third"}));
    }
    EXPECT_EQ(ReadBytes(path + ".bak"), old);
    EXPECT_EQ(ReadBytes(path),
              FormatPredefinedFilterLine(Station("first", "S1")) + FormatPredefinedFilterLine(Station("third", "S3")));
}

TEST_F(DocumentPredefinedFiltersTest, aDocumentThatOnlyLooksNeverWritesTheFile) {
    const std::string path = dir.file("own.dat");
    const std::string unreadable = "n" + std::string(17, '\x0B') + "abc\x0B\n";
    WriteBytes(path, unreadable);
    {
        DocumentPaths paths{SettingsPath(), dir.folder(), path};
        paths.saveFilterFile = false;
        CZOFDoc other(DocumentScreen::Of(ui), clock, paths);
        EXPECT_EQ(other.PredefinedFilters().Count(), 0);
        other.CreatePredefinedFilter(0, "new");
    }
    EXPECT_EQ(ReadBytes(path), unreadable);
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
}

TEST_F(DocumentPredefinedFiltersTest, inAnEmptyListDeleteDoesNothingAndCreateAsksForANameAtOnce) {
    ui.manageScripts.push_back({{Step::Delete, -1}, {Step::Create, -1}});
    ui.nameAnswers.push_back(" Evening ");
    ASSERT_TRUE(doc.Execute(CommandId::ManagePredefinedFilters));
    EXPECT_EQ(ui.nameDialogs, 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(ui.manageLists, (std::vector<Names>{{}, {" Evening "}}));
}

TEST_F(DocumentPredefinedFiltersTest, aNewFilterGoesDirectlyBelowTheSelectedLineNeverAtTheTop) {
    CreateThroughManage({"a", "b", "c"});
    ui.manageLists.clear();
    ui.manageScripts.push_back({{Step::Create, 0}, {Step::Create, 3}});
    ui.nameAnswers = {"after a", "after c"};
    doc.ManagePredefinedFilters();
    EXPECT_EQ(ui.manageLists,
              (std::vector<Names>{{"a", "b", "c"}, {"a", "after a", "b", "c"}, {"a", "after a", "b", "c", "after c"}}));
}

TEST_F(DocumentPredefinedFiltersTest, everyManageMessageComesUpInItsPlace) {
    CreateThroughManage({"a", "b"});
    ui.manageLists.clear();
    ui.manageScripts.push_back({
        {Step::Create, -1},  // lines but none selected: no name dialog
        {Step::Delete, -1},  // lines but none selected
        {Step::Create, 1},   // empty name, then an unstorable one, then Cancel
        {Step::Delete, 0},   // No
        {Step::Delete, 0},   // Yes
    });
    ui.nameAnswers = {"", std::string("x\x0By"), std::nullopt};
    ui.answers = {false, true};
    const int namesBefore = ui.nameDialogs;
    doc.ManagePredefinedFilters();

    EXPECT_EQ(ui.messages, (Names{std::string(Checks::kSelectInsertAfter), std::string(Checks::kSelectToDelete),
                                  std::string(Checks::kEnterName), std::string(kUnstorableFilterNameMessage)}));
    EXPECT_EQ(ui.nameDialogs - namesBefore, 1);
    EXPECT_EQ(ui.questions, (Names{std::string(Checks::kConfirmDelete), std::string(Checks::kConfirmDelete)}));
    EXPECT_EQ(ui.manageLists, (std::vector<Names>{{"a", "b"}, {"b"}}));
}

TEST_F(DocumentPredefinedFiltersTest, aNewFilterHoldsTheCurrentCriteriaAlsoWithTheSwitchOff) {
    SetStation("S1|S2");
    doc.ToggleFilter();
    ASSERT_FALSE(doc.FilterIsOn());
    CreateThroughManage({"two stations"});
    ASSERT_EQ(doc.PredefinedFilters().Count(), 1);
    EXPECT_EQ(doc.PredefinedFilters().At(0)->criteria, doc.Settings().criteria);
    EXPECT_EQ(doc.PredefinedFilters().At(0)->criteria.FStation, "S1|S2");
}

TEST_F(DocumentPredefinedFiltersTest, theFilterDialogStoresTextsWithLineBreakingCharactersAsBlanks) {
    SetStation("BBC\x0BVoice\r\nof");
    EXPECT_EQ(doc.Settings().criteria.FStation, "BBC Voice  of");
}

TEST_F(DocumentPredefinedFiltersTest, applyingCopiesTheCriteriaAndRequeriesWithTheAnchorKept) {
    MakeTenRecords();
    Open("DB");
    SetStation("S10");
    CreateThroughManage({"S10"});
    SetStation("S2");
    CreateThroughManage({"S2"});  // after "S10"
    SetStation("S1");             // S1 and S10, in frequency order
    ASSERT_EQ(doc.RecordCount(), 2);
    ui.hints.clear();

    ui.listRows = {1, 0, 1};  // S10 selected
    Select(0);
    EXPECT_EQ(ui.selectFilterLists.back(), (Names{"S10", "S2"}));
    EXPECT_EQ(doc.Settings().criteria.FStation, "S10");
    EXPECT_EQ(doc.RecordCount(), 1);
    EXPECT_EQ(Requeries(), 1);
    EXPECT_EQ(ui.hints.back(), kHintShowCurrent);
    EXPECT_EQ(doc.CurrentPosition(), 0);
}

TEST_F(DocumentPredefinedFiltersTest, twoFiltersOfTheSameNameEachApplyTheirOwnEntry) {
    SetStation("S1");
    CreateThroughManage({"same"});
    SetStation("S2");
    ui.manageScripts.push_back({{Step::Create, 0}});
    ui.nameAnswers = {"same"};
    doc.ManagePredefinedFilters();
    Select(1);
    EXPECT_EQ(doc.Settings().criteria.FStation, "S2");
    Select(0);
    EXPECT_EQ(doc.Settings().criteria.FStation, "S1");
}

TEST_F(DocumentPredefinedFiltersTest, applyingWithTheSwitchOffOrNoDatabaseChangesOnlyTheCriteria) {
    SetStation("S1");
    CreateThroughManage({"S1"});
    SetStation("S2");

    Select(0);  // no database open
    EXPECT_EQ(doc.Settings().criteria.FStation, "S1");
    EXPECT_TRUE(ui.hints.empty());

    MakeTenRecords();
    Open("DB");
    doc.ToggleFilter();
    ASSERT_FALSE(doc.FilterIsOn());
    SetStation("S2");
    ui.hints.clear();
    Select(0);
    EXPECT_EQ(doc.Settings().criteria.FStation, "S1");
    EXPECT_FALSE(doc.FilterIsOn());
    EXPECT_EQ(doc.RecordCount(), 10);
    EXPECT_EQ(doc.BuildFilterCondition(), "");
    EXPECT_EQ(Requeries(), 0);
}

TEST_F(DocumentPredefinedFiltersTest, cancelOrOkInAnEmptySelectDialogChangesNothing) {
    SetStation("S1");
    const FilterCriteria before = doc.Settings().criteria;
    Select(-1);
    Select(std::nullopt);
    EXPECT_EQ(ui.selectFilterLists, (std::vector<Names>{{}, {}}));
    EXPECT_EQ(doc.Settings().criteria, before);

    CreateThroughManage({"S1"});
    SetStation("S2");
    Select(std::nullopt);
    EXPECT_EQ(doc.Settings().criteria.FStation, "S2");
}
