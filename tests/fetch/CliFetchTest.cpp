#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "cli/CliProcess.h"
#include "fetch/TestHttpServer.h"
#include "support/TempDir.h"

namespace zofar::test {
namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The file's modification time in nanoseconds: a rebuilt database has a new one.
long long Modified(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return -1;
    return st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
}

class CliFetchTest : public ::testing::Test {
protected:
    void SetUp() override {
        using Route = TestHttpServer::Route;
        const std::string data = ZOFAR_EIBI_DIR;
        server.Serve("/dx/sked-b25.csv",
                     Route::File("text/csv", Read(data + "sked-a26-excerpt.csv")).Etag("\"sked-1\""));
        server.Serve("/dx/README.TXT", Route::File("text/plain", Read(data + "README.TXT")).Etag("\"r-1\""));
    }

    // zofar-cli fetch with its cache and files in the test's folder; standard output and error.
    ProcessResult Fetch(const std::string& cache = "cache") {
        const std::string command = "XDG_CACHE_HOME=" + Quote(dir.file(cache)) + " " + ZOFAR_CLI_PATH +
                                    " fetch eibi --season b25 --url " + server.Url("/dx/") + " --folder " +
                                    Quote(dir.folder()) + " --settings " + Quote(dir.file("zofar.INI"));
        return RunProcess("{ " + command + " 2>&1 ; }");
    }

    TempDir dir;
    TestHttpServer server;
};

TEST_F(CliFetchTest, aFirstFetchBuildsTheSeasonsDatabaseWithEveryRecordOfTheSchedule) {
    const ProcessResult fetched = Fetch();
    ASSERT_EQ(fetched.code, 0) << fetched.out;
    ASSERT_TRUE(std::filesystem::exists(dir.file("EIBI-B25.mdb")));
    // The same schedule imported from its files gives the same counts.
    const ProcessResult imported = Cli("import --folder " + Quote(dir.folder()) + " --kind eibi " +
                                       Quote(std::string(ZOFAR_EIBI_DIR) + "sked-a26-excerpt.csv") + " DIRECT");
    ASSERT_EQ(imported.code, 0);
    const std::string counts = imported.out.substr(imported.out.find(": ") + 2);
    EXPECT_EQ(fetched.out, dir.folder() + "EIBI-B25.mdb: " + counts);
    EXPECT_TRUE(std::filesystem::exists(dir.file("cache/zofar/eibi/b25/sked-b25.csv")));
}

TEST_F(CliFetchTest, aSecondFetchIsAnsweredNotModifiedAndRebuildsNothing) {
    ASSERT_EQ(Fetch().code, 0);
    const long long built = Modified(dir.file("EIBI-B25.mdb"));
    const ProcessResult again = Fetch();
    EXPECT_EQ(again.code, 0) << again.out;
    EXPECT_EQ(again.out, "The EiBi schedule B25 is current. " + dir.folder() + "EIBI-B25.mdb was not rebuilt.\n");
    EXPECT_EQ(Modified(dir.file("EIBI-B25.mdb")), built);
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[2].headers.at("if-none-match"), "\"sked-1\"");
    EXPECT_EQ(requests[3].headers.at("if-none-match"), "\"r-1\"");
}

TEST_F(CliFetchTest, withTheServerStoppedTheFetchFailsClearlyAndTheDatabaseStaysAsItWas) {
    ASSERT_EQ(Fetch().code, 0);
    const std::string before = Read(dir.file("EIBI-B25.mdb"));
    const long long built = Modified(dir.file("EIBI-B25.mdb"));
    server.Stop();
    const ProcessResult offline = Fetch();
    EXPECT_EQ(offline.code, 1);
    EXPECT_NE(offline.out.find("The EiBi server refused the connection (" + server.Url("/dx/sked-b25.csv") + ")."),
              std::string::npos)
        << offline.out;
    EXPECT_NE(offline.out.find("ZOFAR uses the copy downloaded less than an hour ago."), std::string::npos)
        << offline.out;
    EXPECT_EQ(Modified(dir.file("EIBI-B25.mdb")), built);
    EXPECT_EQ(Read(dir.file("EIBI-B25.mdb")), before);

    // Without a copy held there is nothing to build.
    const ProcessResult nothing = Fetch("other-cache");
    EXPECT_EQ(nothing.code, 1);
    EXPECT_NE(nothing.out.find("refused the connection"), std::string::npos) << nothing.out;
    EXPECT_EQ(nothing.out.find("ZOFAR uses"), std::string::npos) << nothing.out;
}

TEST_F(CliFetchTest, optionsThatDoNotReadAreUsageErrors) {
    EXPECT_EQ(Cli("fetch eibi --season c26 --folder " + Quote(dir.folder())).code, 2);
    EXPECT_EQ(Cli("fetch nowhere --folder " + Quote(dir.folder())).code, 2);
    EXPECT_EQ(Cli("fetch eibi --url ftp://x/ --folder " + Quote(dir.folder())).code, 2);
    EXPECT_TRUE(server.Requests().empty());
}

}  // namespace
}  // namespace zofar::test
