#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/FileDescriptor.h"
#include "store/DatabaseBuildFile.h"
#include "store/DatabaseFolder.h"
#include "store/RecordStore.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

std::vector<std::string> FilesIn(const test::TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DatabaseBuildFile, theNextBuildRemovesWhatKilledBuildsLeftButNeverARunningOne) {
    test::TempDir dir;
    const DatabaseFolder folder(dir.folder());
    for (const char* f : {".OLD.mdb.new", ".OLD.mdb.new-journal", ".GONE.mdb.new-wal", ".BUSY.mdb.new",
                          ".BUSY.mdb.new-journal", "KEEP.mdb", ".KEEP.mdb", "KEEP.mdb-journal"}) {
        std::ofstream(dir.file(f)) << "x";
    }
    // Another ZOFAR importing into .BUSY.mdb.new holds it locked.
    const FileDescriptor busy(::open(dir.file(".BUSY.mdb.new").c_str(), O_RDONLY | O_CLOEXEC));
    ASSERT_EQ(::flock(busy.Get(), LOCK_EX | LOCK_NB), 0);
    // A create killed in the middle of its import, as by SIGKILL: nothing of it is cleaned up.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // _exit runs no destructor.
        test::RecordingReporter reporter;
        DatabaseBuildFile build(folder, "KILLED");
        RecordStore store(reporter);
        const bool started = build.Ok() && store.CreateDatabaseFile(build.Path(), "KILLED") && store.BeginImport();
        ::_exit(started ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(std::filesystem::exists(folder.BuildPathOf("KILLED")));

    {
        const DatabaseBuildFile build(folder, "NEW");
        ASSERT_TRUE(build.Ok()) << build.Error();
        EXPECT_EQ(build.Path(), folder.BuildPathOf("NEW"));
        EXPECT_EQ(FilesIn(dir), (std::vector<std::string>{".BUSY.mdb.new", ".BUSY.mdb.new-journal", ".KEEP.mdb",
                                                          ".NEW.mdb.new", "KEEP.mdb", "KEEP.mdb-journal"}));
        const DatabaseBuildFile second(folder, "NEW");
        EXPECT_FALSE(second.Ok()) << "a running build of the same name is left alone";
        const DatabaseBuildFile other(folder, "BUSY");
        EXPECT_FALSE(other.Ok());
        EXPECT_EQ(other.Error(), "The database \"BUSY\" is being created by another ZOFAR in the folder " +
                                     dir.path().string() + ".\nPlease wait until it is done or choose another name.");
    }
    EXPECT_FALSE(std::filesystem::exists(folder.BuildPathOf("NEW"))) << "a build not installed goes with its object";
    EXPECT_TRUE(std::filesystem::exists(dir.file(".BUSY.mdb.new")));
}

TEST(DatabaseBuildFile, anInstalledBuildIsTheDatabaseAndAFolderThatCannotTakeOneIsNamed) {
    test::TempDir dir;
    const DatabaseFolder folder(dir.folder());
    {
        DatabaseBuildFile build(folder, "ALPHA");
        ASSERT_TRUE(build.Ok());
        std::ofstream(build.Path() + "-journal") << "x";
        EXPECT_TRUE(build.Install(false));
    }
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"ALPHA.mdb"});

    std::ofstream(dir.file("plain")) << "x";
    const DatabaseFolder notAFolder(dir.file("plain") + "/");
    const DatabaseBuildFile build(notAFolder, "ALPHA");
    EXPECT_FALSE(build.Ok());
    EXPECT_EQ(build.Error(),
              "The database \"ALPHA\" cannot be created in the folder " + dir.file("plain") + ": Not a directory.");
}

}  // namespace
}  // namespace zofar
