#include <gtest/gtest.h>

#include <filesystem>

#include "app/FirstStart.h"
#include "support/Files.h"
#include "support/SourceKindIds.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

TEST(FirstStart, isOnlyAStartWithoutSettingsAndWithoutDatabases) {
    struct Case {
        const char* what;
        const char* settings;  // nullptr: no settings file
        const char* database;  // nullptr: no database file
        bool expected;
    };
    const Case cases[] = {
        {"nothing at all", nullptr, nullptr, true},
        {"settings of an earlier run", "[Settings]\nDatabase=B24\n", nullptr, false},
        {"an empty settings file", "", nullptr, false},
        {"a database made by the command line", nullptr, "B24.mdb", false},
        {"a database whose extension is in capitals", nullptr, "OLD.MDB", false},
        {"only a file that is no database", nullptr, "notes.txt", true},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        if (c.settings) test::WriteBytes(dir.file("zofar.INI"), c.settings);
        if (c.database) test::WriteBytes(dir.file(c.database), "x");
        EXPECT_EQ(IsFirstStart(dir.file("zofar.INI"), dir.folder()), c.expected) << c.what;
    }
}

TEST(FirstStart, settingsLinkThatPointsNowhereIsTheUsersAndNoFirstStart) {
    test::TempDir dir;
    std::filesystem::create_symlink(dir.file("elsewhere/zofar.INI"), dir.file("zofar.INI"));
    EXPECT_FALSE(IsFirstStart(dir.file("zofar.INI"), dir.folder()));
}

TEST(FirstStart, sampleRequestImportsTheTextListAsSample) {
    const CreateDatabaseRequest request = SampleDatabaseRequest("/opt/zofar/share/zofar/sample-list.txt");
    EXPECT_EQ(request.name, "SAMPLE");
    EXPECT_EQ(request.sourceFolder, "/opt/zofar/share/zofar/");
    EXPECT_EQ(request.sourceFileName, "sample-list.txt");
    EXPECT_EQ(request.sourceKind, test::KindId("text"));
    EXPECT_FALSE(request.replace);
}

}  // namespace
}  // namespace zofar
