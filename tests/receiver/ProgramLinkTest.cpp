#include <QCoreApplication>
#include <QLineEdit>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <thread>

#include "LinkTestSockets.h"
#include "ReceiverSimulator.h"
#include "app/CMainFrame.h"
#include "app/ModalDriver.h"
#include "app/ZofarProgram.h"
#include "receiver/CReceiverProgramDlg.h"
#include "receiver/LinkEndpoint.h"
#include "receiver/LinkMessage.h"
#include "receiver/LittleEndian.h"
#include "receiver/ReceiverRecord.h"
#include "support/SpinUntil.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"
#include "view/ListPort.h"

namespace zofar {
namespace {

using namespace std::chrono_literals;

using test::SpinUntil;

// The whole program with a database open, sorted by station, and a link folder of its own.
class ProgramLinkTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::TempDir linkDir;
    FixedClock clock{UtcTime{2024, 5, 6, 21, 0, 0, 1}};
    std::unique_ptr<ZofarProgram> program;

    void SetUp() override {
        test::RecordingReporter reporter;
        // Station order: DEUTSCHLANDFUNK (6005), ERT (9420), RADIO EXTERIOR (6085).
        ASSERT_TRUE(test::CreateDatabase(dir.file("B24.mdb"),
                                         {{9420, "ERT", "05:00", "08:00"},
                                          {6005, "DEUTSCHLANDFUNK", "00:00", "23:59"},
                                          {6085, "RADIO EXTERIOR", "00:00", "23:59"}},
                                         reporter));
        std::ofstream(dir.file("zofar.INI")) << "[Settings]\nDatabase=B24\nSort=STATION\n";
        program = std::make_unique<ZofarProgram>(
            AppPaths{dir.file("zofar.INI"), dir.folder(), dir.file("zofar.dat"), dir.file("zofar.html")}, clock);
        program->Start();
    }
    void TearDown() override { program.reset(); }

    int SelectedRow() { return program->Frame().ListView()->GetListRows().selected; }
};

TEST_F(ProgramLinkTest, theListFollowsFrequencyReportsAndTuneSendsTheSelectedRecord) {
    test::ReceiverSimulator vestrix(linkDir.folder(), "VESTRIX 2.1");
    ASSERT_TRUE(vestrix.Listening());
    program->StartLink({linkDir.folder(), {}});
    ASSERT_NE(program->Endpoint(), nullptr);

    FileDescriptor client = test::ConnectClient(linkDir.file("ZOFAR"));
    std::vector<uint8_t> data(4);
    PutU32LittleEndian(data.data(), 6084000);  // the first record at or above 6084 kHz
    ASSERT_TRUE(test::SendBytes(client.Get(), EncodeLinkFrame({kGoToFrequencyMessage, "VESTRIX 2.1", data})));
    ASSERT_TRUE(SpinUntil([&] { return SelectedRow() == 1; }));
    EXPECT_EQ(program->Doc().SortKey(), "FREQ");

    EXPECT_TRUE(program->Frame().ExecuteCommand(CommandId::Tune));
    ASSERT_TRUE(vestrix.WaitForFrames(1));
    const LinkFrame tune = vestrix.Frames()[0];
    EXPECT_EQ(tune.dwData, kTuneMessage);
    const auto record = DecodeReceiverRecord(tune.data);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->hz, 6085000);
    EXPECT_EQ(record->station, "RADIO EXTERIOR");
}

TEST_F(ProgramLinkTest, aSecondZofarRunsWithoutReportsAndSaysSoInTheStatusBar) {
    LinkListener first;
    ASSERT_EQ(first.Open(linkDir.folder(), kZofarLinkName).status, LinkOpenStatus::Listening);
    program->StartLink({linkDir.folder(), {}});
    EXPECT_EQ(program->Endpoint(), nullptr);
    EXPECT_EQ(program->Frame().statusBar()->currentMessage(),
              "Another ZOFAR is running: it receives the frequency reports of the receiver program.");

    program->StartLink({{}, "The link folder /x is open to other users (its mode must be 0700)."});
    EXPECT_EQ(program->Frame().statusBar()->currentMessage(),
              "The link folder /x is open to other users (its mode must be 0700). Frequency reports of the receiver "
              "program are not received.");
}

TEST_F(ProgramLinkTest, theReceiverProgramDialogSetsTheNameTheNextTuneLooksFor) {
    test::ReceiverSimulator rig(linkDir.folder(), "RIG bridge");
    ASSERT_TRUE(rig.Listening());
    program->StartLink({linkDir.folder(), {}});

    test::ModalDriver driver;
    driver.Handle<CReceiverProgramDlg>([](CReceiverProgramDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "ZOFAR  Receiver Control Program");
        EXPECT_EQ(dialog.Edit()->text(), "VESTRIX");
        dialog.Edit()->setText("RIG");
        dialog.accept();
    });
    EXPECT_TRUE(program->Frame().ExecuteCommand(CommandId::ReceiverProgram));
    EXPECT_EQ(program->Doc().Settings().applicationName, "RIG");

    EXPECT_TRUE(program->Frame().ExecuteCommand(CommandId::FindCreateStation));
    ASSERT_TRUE(rig.WaitForFrames(1));
    EXPECT_EQ(rig.Frames()[0].dwData, kFindStationMessage);
}

}  // namespace
}  // namespace zofar
