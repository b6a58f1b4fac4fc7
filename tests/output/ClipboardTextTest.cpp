#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "output/ClipboardText.h"
#include "store/RecordStore.h"
#include "store/SqliteDatabase.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

using test::RecordingReporter;
using test::TempDir;

constexpr std::size_t kFreq = 0;
constexpr std::size_t kStation = 1;
constexpr std::size_t kMode = 3;

ColumnFlags Only(std::initializer_list<std::size_t> columns) {
    ColumnFlags flags{};
    for (auto c : columns) flags[c] = true;
    return flags;
}

RowValues Row(double freq, std::string station) {
    RowValues row(kFieldCount + 1);
    row[kFreq] = freq;
    row[kStation] = std::move(station);
    row[kMode] = std::string("A");
    return row;
}

// The walk gets the store read-only, so it cannot move the browse set's cursor and the list
// keeps standing where it stood.
static_assert(std::is_invocable_v<decltype(ExportClipboardText), const RecordStore&, int, int, const ColumnLayout&,
                                  const ColumnFlags&, bool>);

const std::string kPaddedBbc = "BBC" + std::string(19, ' ');

TEST(ClipboardLine, cellsFollowTheDisplayOrderWithOneSeparatorBetween) {
    const RowValues row = Row(6005.0, "BBC");
    ColumnLayout moved;
    std::swap(moved.order[kFreq], moved.order[kStation]);
    struct {
        const char* what;
        ColumnLayout layout;
        ColumnFlags flags;
        bool tabs;
        std::string line;
    } const cases[] = {
        {"blank separation", ColumnLayout{}, Only({kFreq, kStation}), false, " 6005.0  " + kPaddedBbc},
        {"TAB separation pads too", ColumnLayout{}, Only({kFreq, kStation}), true, " 6005.0 \t" + kPaddedBbc},
        {"a moved column comes first", moved, Only({kFreq, kStation}), false, kPaddedBbc + "  6005.0 "},
        {"left-out columns leave no separator", ColumnLayout{}, Only({kFreq, kMode}), true, " 6005.0 \tA"},
        {"one column has no separator", ColumnLayout{}, Only({kMode}), true, "A"},
        {"no column gives an empty line", ColumnLayout{}, Only({}), true, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(BuildClipboardLine(row, c.layout, c.flags, c.tabs), c.line) << c.what;
}

class ClipboardExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("CLIP.mdb");
        RecordStore maker{reporter};
        ASSERT_TRUE(maker.CreateDatabaseFile(path, "CLIP") && maker.BeginImport());
        for (const auto& [freq, station] :
             std::vector<std::pair<double, const char*>>{{5900.0, "BBC"}, {6005.0, nullptr}, {9400.0, "Gamma"}}) {
            BroadcastRecord rec;
            rec.freq = freq;
            if (station) rec.SetText(2, station);
            ASSERT_TRUE(maker.AddRecord(rec));
        }
        ASSERT_TRUE(maker.CommitImport());
        maker.CloseStore();
        ASSERT_TRUE(store.OpenBrowseSet(path, "CLIP", BuildSelectText(), BuildSortText("FREQ"), ""));
    }

    TempDir dir;
    std::string path;
    RecordingReporter reporter;
    RecordStore store{reporter};
};

TEST_F(ClipboardExportTest, linesAreJoinedWithoutALineFeedAfterTheLast) {
    const ClipboardExport all = ExportClipboardText(store, 0, 2, ColumnLayout{}, Only({kFreq, kStation}), true);
    EXPECT_EQ(all.status, ClipboardExport::Status::Done);
    EXPECT_EQ(all.lineCount, 3);
    EXPECT_EQ(all.text, " 5900.0 \t" + kPaddedBbc + "\n 6005.0 \t" + std::string(22, ' ') + "\n 9400.0 \tGamma" +
                            std::string(17, ' '));

    const ClipboardExport one = ExportClipboardText(store, 2, 2, ColumnLayout{}, Only({kFreq}), false);
    EXPECT_EQ(one.text, " 9400.0 ");
    EXPECT_EQ(one.lineCount, 1);
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(ClipboardExportTest, noColumnGivesTheMessageAndNoText) {
    const ClipboardExport result = ExportClipboardText(store, 0, 2, ColumnLayout{}, Only({}), false);
    EXPECT_EQ(result.status, ClipboardExport::Status::NoColumnSelected);
    EXPECT_EQ(result.text, "");
    EXPECT_EQ(result.lineCount, 0);
}

TEST_F(ClipboardExportTest, rangeIsCutToTheSetAndAnEmptyRangeCopiesNothing) {
    const ClipboardExport past = ExportClipboardText(store, 1, 40, ColumnLayout{}, Only({kFreq}), false);
    EXPECT_EQ(past.text, " 6005.0 \n 9400.0 ");
    const ClipboardExport empty = ExportClipboardText(store, 2, 1, ColumnLayout{}, Only({}), false);
    EXPECT_EQ(empty.status, ClipboardExport::Status::Done);
    EXPECT_EQ(empty.lineCount, 0);
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(ClipboardExportTest, unreadableRowGivesAReportedFailureAndNoText) {
    Database other(path, Database::Mode::OpenExisting);
    other.Execute("ALTER TABLE ZOFTABLE RENAME TO ZOFTABLE_AWAY");
    const ClipboardExport result = ExportClipboardText(store, 0, 2, ColumnLayout{}, Only({kFreq}), false);
    EXPECT_EQ(result.status, ClipboardExport::Status::ReadFailed);
    EXPECT_EQ(result.text, "");
    EXPECT_EQ(reporter.errors.size(), 1u);
}

}  // namespace
}  // namespace zofar
