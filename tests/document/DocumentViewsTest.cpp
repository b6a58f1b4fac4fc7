// Views beside the list hear every change the list hears, read records without moving it, and
// follow the document's clock.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/DocumentFixture.h"

using namespace zofar;
using namespace zofar::test;

namespace {

class RecordingView : public DocumentView {
public:
    std::vector<DocumentNotice> notices;
    void OnDocumentNotice(DocumentNotice notice) override { notices.push_back(notice); }
};

class DocumentViewsTest : public DocumentFixture {
protected:
    void SetUp() override {
        MakeDatabase("DB", {{5000, "A", "10:00", "11:00"}, {6000, "B", "10:30", "12:00"}, {7000, "C", "20:00", "21:00"}});
        clock.Set(UtcTime{2026, 12, 8, 10, 45, 10, 2});
        doc.AddView(view);
    }
    void Tick(int hour, int minute, int second) {
        clock.Set(UtcTime{2026, 12, 8, hour, minute, second, 2});
        doc.OnClockSecond();
    }
    int Count(DocumentNotice n) { return static_cast<int>(std::count(view.notices.begin(), view.notices.end(), n)); }

    RecordingView view;
};

DocumentNotice NoticeOf(int hint) {
    switch (hint) {
    case kHintRepaint: return DocumentNotice::Repaint;
    case kHintDatabaseChanged: return DocumentNotice::DatabaseChanged;
    case kHintRequeried: return DocumentNotice::RecordsReloaded;
    default: return DocumentNotice::CurrentMoved;
    }
}

}  // namespace

TEST_F(DocumentViewsTest, aViewHearsWhatTheListHearsInTheSameOrderUntilItLeaves) {
    Open("DB");
    doc.SortBy("STATION");
    doc.Execute(CommandId::Close);
    std::vector<DocumentNotice> expected;
    for (const int hint : ui.hints) expected.push_back(NoticeOf(hint));
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(view.notices, expected);

    doc.RemoveView(view);
    Open("DB");
    EXPECT_EQ(view.notices, expected);
}

TEST_F(DocumentViewsTest, aSideQueryReadsTheSelectionWithoutMovingTheList) {
    Open("DB");
    ui.answers.clear();
    doc.SetCurrentPosition(1);
    std::vector<std::string> stations;
    ASSERT_TRUE(doc.Store().ReadSelection(doc.BuildFilterCondition(), "STATION DESC", [&](const RowValues& r) {
        stations.push_back(TextOf(r[1]));
        return true;
    }));
    EXPECT_EQ(stations, (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(doc.CurrentPosition(), 1);
    EXPECT_EQ(TextOf(doc.Store().GetFieldValue(1, 1)), "B");
}

TEST_F(DocumentViewsTest, eachNewMinuteIsHeardOnceAndRequeriesOnlyTheSelectionThatFollowsTheClock) {
    Open("DB");
    Tick(10, 45, 11);  // the first second only sets the minute
    Tick(10, 45, 40);
    EXPECT_EQ(Count(DocumentNotice::MinutePassed), 0);
    Tick(10, 46, 0);
    EXPECT_EQ(Count(DocumentNotice::MinutePassed), 1);
    EXPECT_EQ(Count(DocumentNotice::RecordsReloaded), 0);

    ChangeSettings([](DocumentSettings& s) {
        s.bFilter = 1;
        s.criteria.BFOnair = 1;
        s.criteria.BFOnairNow = 1;
    });
    doc.RequeryCycle();
    EXPECT_EQ(doc.RecordCount(), 2);
    const int reloads = Count(DocumentNotice::RecordsReloaded);
    Tick(11, 0, 0);
    EXPECT_EQ(Count(DocumentNotice::MinutePassed), 2);
    EXPECT_EQ(Count(DocumentNotice::RecordsReloaded), reloads + 1);
    EXPECT_EQ(doc.RecordCount(), 1);  // A ended at 11:00
}
