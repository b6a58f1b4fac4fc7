// The document with the extra fields: their names as sort keys, and schedules' own first layout.
#include <gtest/gtest.h>

#include "base/IniFile.h"
#include "support/DocumentFixture.h"
#include "support/ScheduleDatabase.h"
#include "view/ColumnLayoutRules.h"

namespace zofar {
namespace {

class ExtraColumnsDocumentTest : public test::DocumentFixture {
protected:
    void SetUp() override {
        test::RecordingReporter reporter;
        ASSERT_TRUE(test::CreateScheduleDatabase(
            dir.file("EIBI.mdb"), {{9410, "B", "12-24"}, {6000, "A", "01-01"}, {7000, "C", "06-30"}}, reporter));
        MakeDatabase("ILG", {test::Row(6000, "X", "10:00", "11:00"), test::Row(5000, "Y", "10:00", "11:00")});
    }
    std::string FirstStation() { return TextOf(doc.Store().GetFieldValue(0, 1)); }
};

TEST_F(ExtraColumnsDocumentTest, anExtraFieldSortsOnlyADatabaseThatHasIt) {
    Open("EIBI");
    doc.SortBy("VALIDFROM");
    EXPECT_EQ(doc.SortKey(), "VALIDFROM");
    EXPECT_EQ(FirstStation(), "A");

    // Kept in the settings: the next start reopens sorted by it where the database has it.
    ChangeSettings([](DocumentSettings& s) { s.sort = "VALIDFROM"; });
    EXPECT_TRUE(doc.ReopenDatabase("EIBI"));
    EXPECT_EQ(doc.SortKey(), "VALIDFROM");
    EXPECT_EQ(FirstStation(), "A");

    for (const char* key : {"VALIDFROM", "DISTANCE", "REMARKS"}) {
        ChangeSettings([key](DocumentSettings& s) { s.sort = key; });
        EXPECT_TRUE(doc.ReopenDatabase("ILG")) << key;
        EXPECT_EQ(doc.SortKey(), "FREQ") << key;
        doc.SortBy("VALIDFROM");
        EXPECT_EQ(doc.SortKey(), "FREQ") << "a field the database lacks sorts nothing";
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ExtraColumnsDocumentTest, aScheduleGetsItsOwnFirstLayoutAndKeepsItOnceChanged) {
    const ColumnLayout common = doc.SavedLayout();
    Open("ILG");
    EXPECT_EQ(doc.SavedLayout(), common) << "lists without the extension columns keep the common layout";

    Open("EIBI");
    const std::vector<int> shown = FieldsInDisplayOrder(doc.SavedLayout(), ListFields(doc.Store().Columns()));
    EXPECT_EQ(FieldColumn(shown[2]).name, "START");
    EXPECT_TRUE(IsHiddenColumnWidth(doc.SavedLayout().widths[static_cast<size_t>(*FieldNumber("STN"))]));
    EXPECT_FALSE(IsHiddenColumnWidth(doc.SavedLayout().widths[kValidFromField]));

    ColumnLayout changed = doc.SavedLayout();
    changed.widths[1] = 222;
    ui.layout = changed;
    ui.answers.push_back(true);  // "Do you really want to quit?"
    ASSERT_TRUE(doc.Quit());
    EXPECT_EQ(LoadDatabaseLayout(IniFile::Load(SettingsPath()), "EIBI"), changed);

    ui.layout.reset();
    CZOFDoc next{DocumentScreen::Of(ui), clock, DocumentPaths{SettingsPath(), dir.folder(), FilterPath()}};
    next.OnNewDocument();
    EXPECT_EQ(next.Store().DatabaseName(), "EIBI");
    EXPECT_EQ(next.SavedLayout(), changed);
    EXPECT_EQ(next.Settings().layout, common) << "the common layout stays as the plain lists left it";
}

}  // namespace
}  // namespace zofar
