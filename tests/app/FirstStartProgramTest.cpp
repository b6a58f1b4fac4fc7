#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <memory>

#include "app/AppPaths.h"
#include "app/CMainFrame.h"
#include "app/ModalDriver.h"
#include "app/StatusPane.h"
#include "app/ZofarProgram.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

ino_t InodeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// A new user's first start: an empty home, the program's bundled sample list. The sample
// becomes the open database "SAMPLE"; after a confirmed quit the next start reopens that very
// file instead of building it again.
TEST(FirstStartProgram, importsAndOpensTheSampleOnceAndReopensItNextTime) {
    test::TempDir home;
    std::filesystem::create_directories(home.path() / "data");
    const AppPaths paths{home.file("zofar.INI"), home.file("data") + "/", home.file("data/zofar.dat"),
                         home.file("zofar.html"), std::string(ZOFAR_SOURCE_DIR) + "/res/sample/sample-list.txt"};
    const FixedClock clock(UtcTime{2026, 12, 9, 14, 5, 0, 3});
    const std::string database = home.file("data/SAMPLE.mdb");

    auto program = std::make_unique<ZofarProgram>(paths, clock);
    program->Start();
    EXPECT_TRUE(program->Doc().IsOpen());
    EXPECT_EQ(program->Doc().DatabaseName(), "SAMPLE");
    EXPECT_EQ(program->Doc().RecordCount(), 400);
    EXPECT_EQ(program->Frame().windowTitle(), " ZOFAR Program Database  \"SAMPLE\"");
    EXPECT_EQ(
        program->Frame().MessagePane()->FullText().toStdString(),
        "SAMPLE holds 400 invented transmissions for trying ZOFAR; Database > Create... imports a real schedule.");
    const ino_t built = InodeOf(database);
    ASSERT_NE(built, 0u);

    test::ModalDriver driver;
    driver.Answer(QMessageBox::Yes);
    EXPECT_TRUE(program->Frame().close());
    program.reset();

    program = std::make_unique<ZofarProgram>(paths, clock);
    program->Start();
    EXPECT_EQ(program->Doc().DatabaseName(), "SAMPLE");
    EXPECT_EQ(program->Doc().RecordCount(), 400);
    EXPECT_EQ(InodeOf(database), built);
}

}  // namespace
}  // namespace zofar
