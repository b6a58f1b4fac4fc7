// The listener's location set through its dialog: kept in the settings file at once, and the
// distance and bearing columns of every database measure from it.
#include <gtest/gtest.h>

#include "geo/LocationSettings.h"
#include "support/DocumentFixture.h"
#include "support/Files.h"

using namespace zofar;
using namespace zofar::test;

namespace {

class DocumentLocationTest : public DocumentFixture {
protected:
    void SetUp() override {
        RecordingReporter reporter;
        RecordStore maker(reporter);
        ASSERT_TRUE(maker.CreateDatabaseFile(dir.file("DB.mdb"), "DB") && maker.BeginImport());
        const struct {
            double freq;
            const char* lati;
            const char* longi;
        } rows[] = {{6000, "51N30", "000W07"}, {7000, nullptr, nullptr}, {8000, "52N31", "013E24"}};
        for (const auto& r : rows) {
            BroadcastRecord record;
            record.freq = r.freq;
            if (r.lati) record.SetText(24, r.lati);
            if (r.longi) record.SetText(23, r.longi);
            ASSERT_TRUE(maker.AddRecord(record));
        }
        ASSERT_TRUE(maker.CommitImport());
        maker.CloseStore();
        Open("DB");
    }
    std::vector<double> Frequencies() {
        std::vector<double> f;
        for (int r = 0; r < doc.RecordCount(); ++r) f.push_back(std::get<double>(doc.Store().GetFieldValue(r, 0)));
        return f;
    }
};

}  // namespace

TEST_F(DocumentLocationTest, aLocationSetInItsDialogIsKeptAndEveryDistanceMeasuresFromIt) {
    EXPECT_FALSE(doc.Store().Columns().computed) << "no location, no distance columns";
    EXPECT_TRUE(doc.Execute(CommandId::SortDistance));
    EXPECT_EQ(doc.SortKey(), "FREQ");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("Receiver > Listener location..."), std::string::npos);

    LocationSetting berlin{"JO62qm", ListenerLocation{52.521, 13.375}};
    ui.locationAnswers.push_back(berlin);
    ui.hints.clear();
    EXPECT_TRUE(doc.Execute(CommandId::ListenerLocation));
    EXPECT_EQ(LoadLocationFile(SettingsPath()).locator, "JO62qm");
    EXPECT_TRUE(doc.Store().Columns().computed);
    EXPECT_EQ(ui.hints.front(), kHintDatabaseChanged) << "the list takes the new columns";

    EXPECT_TRUE(doc.Execute(CommandId::SortDistance));
    EXPECT_EQ(doc.SortKey(), "DISTANCE");
    EXPECT_EQ(Frequencies(), (std::vector<double>{7000, 8000, 6000}));  // unknown first, Berlin, London
    const auto london = std::get<int64_t>(doc.Store().GetFieldValue(2, kDistanceField));
    EXPECT_NEAR(static_cast<double>(london), 930.0, 15.0);
    const auto bearing = std::get<int64_t>(doc.Store().GetFieldValue(2, kBearingField));
    EXPECT_NEAR(static_cast<double>(bearing), 268.0, 2.0);  // due west, a little south

    // Cancel changes nothing; a new document reads the location back from the settings file.
    EXPECT_TRUE(doc.Execute(CommandId::ListenerLocation));
    EXPECT_EQ(ui.locationDialogs.back(), berlin);
    EXPECT_EQ(doc.SortKey(), "DISTANCE");
    CZOFDoc again(DocumentScreen::Of(ui), clock, DocumentPaths{SettingsPath(), dir.folder(), FilterPath()});
    again.LoadSettings();
    EXPECT_EQ(again.Location().locator, "JO62qm");

    // Forgetting the location takes the columns away and the list back to frequency order.
    ui.locationAnswers.push_back(LocationSetting{});
    EXPECT_TRUE(doc.Execute(CommandId::ListenerLocation));
    EXPECT_FALSE(doc.Store().Columns().computed);
    EXPECT_EQ(doc.SortKey(), "FREQ");
    EXPECT_EQ(Frequencies(), (std::vector<double>{6000, 7000, 8000}));
}
