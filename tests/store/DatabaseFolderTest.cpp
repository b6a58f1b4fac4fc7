#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "store/DatabaseFolder.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

TEST(DatabaseFolder, namesCompareWithoutCaseForWesternLettersAndMustBePlain) {
    EXPECT_TRUE(SameDatabaseName("k\xC3\xB6ln", "K\xC3\x96LN"));  // koeln with o-umlaut
    EXPECT_FALSE(SameDatabaseName("koln", "K\xC3\x96LN"));
    EXPECT_FALSE(SameDatabaseName("A", "AA"));
    EXPECT_TRUE(IsPlainDatabaseName("..."));
    EXPECT_TRUE(IsPlainDatabaseName("B 2024.x"));
    EXPECT_FALSE(IsPlainDatabaseName("a/b"));
    EXPECT_FALSE(IsPlainDatabaseName(".."));
}

TEST(DatabaseFolder, listsMdbFilesInAnyCaseInTheStoresOrderAndNothingElse) {
    test::TempDir dir;
    for (const char* f : {"ONE.mdb", "two.MDB", "three.mdb.bak", "four.txt", ".mdb"}) std::ofstream(dir.file(f)) << "x";
    std::filesystem::create_directory(dir.path() / "dir.mdb");
    for (const char* f : {"\xC3\x84rzte.mdb", "Zulu.mdb"}) std::ofstream(dir.file(f)) << "x";  // Aerzte with A-umlaut
    EXPECT_EQ(DatabaseFolder(dir.folder()).Names(), (std::vector<std::string>{"\xC3\x84rzte", "ONE", "two", "Zulu"}));
    EXPECT_TRUE(DatabaseFolder(dir.file("missing")).Names().empty());
    EXPECT_EQ(DatabaseFolder(dir.folder()).ExistingPathOf("two"), dir.file("two.MDB"));
    EXPECT_EQ(DatabaseFolder(dir.folder()).ExistingPathOf("new"), dir.file("new.mdb"));
    EXPECT_EQ(DatabaseFolder(dir.folder()).LongestName(), kLongestDatabaseName);  // 255-byte file names
}

TEST(DatabaseFolder, aBuiltDatabaseTakesItsPlaceOnlyAsAskedAndOldCaseVariantsGoAfterwards) {
    test::TempDir dir;
    const DatabaseFolder folder(dir.folder());
    std::ofstream(dir.file("Alpha.mdb")) << "old";
    std::ofstream(folder.BuildPathOf("ALPHA")) << "new";
    EXPECT_FALSE(folder.InstallBuilt("Alpha", false)) << "an existing database is never overwritten unasked";
    EXPECT_TRUE(std::filesystem::exists(folder.BuildPathOf("ALPHA")));
    EXPECT_TRUE(folder.InstallBuilt("ALPHA", true));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"ALPHA"});
    EXPECT_FALSE(std::filesystem::exists(folder.BuildPathOf("ALPHA")));
    EXPECT_FALSE(folder.InstallBuilt("BETA", true)) << "nothing was built";
}

}  // namespace
}  // namespace zofar
