#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "base/AtomicFile.h"
#include "base/RegularFile.h"
#include "support/Files.h"
#include "support/TempDir.h"

using namespace zofar;
using namespace zofar::test;

TEST(AtomicFile, writeFailsWhenTheFolderIsMissingOrAFile) {
    TempDir dir;
    WriteBytes(dir.file("plain"), "x");
    EXPECT_FALSE(WriteFileAtomically(dir.file("missing/ZOFAR.INI"), "new"));
    EXPECT_FALSE(WriteFileAtomically(dir.file("plain/ZOFAR.INI"), "new"));
    EXPECT_FALSE(WriteFileAtomically(dir.folder(), "new"));
    EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(AtomicFile, aWriteThatFailsHalfwayLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string path = dir.file("ZOFAR.INI");
    const std::string old = "[Settings]\nDatabase=Europe\n";
    WriteBytes(path, old);

    // A file-size limit makes the write stop partway, as a full disk would.
    bool saved_ok = true;
    {
        const FileSizeLimit limit(4096);
        saved_ok = WriteFileAtomically(path, std::string(100000, 's'), ".bak");
    }

    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(AtomicFile, writeThroughASymbolicLinkReplacesTheTargetAndKeepsItsMode) {
    TempDir dir;
    WriteBytes(dir.file("real.INI"), "old");
    std::filesystem::permissions(dir.file("real.INI"),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::create_symlink(dir.file("real.INI"), dir.file("link.INI"));
    ASSERT_TRUE(WriteFileAtomically(dir.file("link.INI"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.INI")));
    EXPECT_EQ(ReadBytes(dir.file("real.INI")), "new");
    EXPECT_EQ(std::filesystem::status(dir.file("real.INI")).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(AtomicFile, theOldFileIsKeptUnderTheSuffixOnlyWhenAsked) {
    TempDir dir;
    const std::string path = dir.file("zofar.dat");
    ASSERT_TRUE(WriteFileAtomically(path, "first", ".bak"));
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));  // nothing old to keep
    ASSERT_TRUE(WriteFileAtomically(path, "second", ".bak"));
    EXPECT_EQ(ReadBytes(path + ".bak"), "first");
    ASSERT_TRUE(WriteFileAtomically(path, "third"));
    EXPECT_EQ(ReadBytes(path), "third");
    EXPECT_EQ(ReadBytes(path + ".bak"), "first");
    EXPECT_EQ(FilesIn(dir.path()), 2u);
}

TEST(RegularFile, readsRegularFilesUpToTheLimitOnly) {
    TempDir dir;
    WriteBytes(dir.file("small"), std::string(10, 'x'));
    EXPECT_EQ(ReadRegularFile(dir.file("small"), 10), std::string(10, 'x'));
    EXPECT_FALSE(ReadRegularFile(dir.file("small"), 9));
    EXPECT_FALSE(ReadRegularFile(dir.file("absent"), 10));
    EXPECT_FALSE(ReadRegularFile(dir.folder(), 10));
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    EXPECT_FALSE(ReadRegularFile(dir.file("fifo"), 10));  // returns at once instead of waiting for a writer
}
