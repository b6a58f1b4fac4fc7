#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "base/IniFile.h"
#include "fetch/QtHttpTransfer.h"
#include "fetch/TestHttpServer.h"
#include "document/CZOFDoc.h"
#include "support/FakeScreen.h"
#include "support/TempDir.h"

namespace zofar::test {
namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

long long Modified(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return -1;
    return st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
}

class NoProgress : public DownloadProgress {
public:
    void Progress(const std::string&, long long, long long) override {}
    bool CancelRequested() override { return false; }
};

const std::string kSchedule = Read(std::string(ZOFAR_EIBI_DIR) + "sked-a26-excerpt.csv");
const std::string kCodes = Read(std::string(ZOFAR_EIBI_DIR) + "README.TXT");

class DocumentFetchTest : public ::testing::Test {
protected:
    static DocumentPaths Paths(const TempDir& dir) {
        DocumentPaths paths{dir.file("zofar.INI"), dir.folder()};
        paths.cacheFolder = dir.file("cache") + "/";
        return paths;
    }
    void SetUp() override {
        UtcTime may2026;
        may2026.year = 2026;
        may2026.month = 5;
        may2026.day = 10;
        clock.Set(may2026);
        ServeSchedule(kSchedule, "\"s1\"");
        server.Serve("/dx/README.TXT", TestHttpServer::Route::File("text/plain", kCodes).Etag("\"r1\""));
    }
    void ServeSchedule(const std::string& body, const std::string& etag) {
        server.Serve("/dx/sked-a26.csv", TestHttpServer::Route::File("text/csv", body).Etag(etag));
    }
    FetchStatus Fetch(const std::string& source = "eibi") {
        FetchRequest request{source, {'a', 2026}, server.Url("/dx/"), {}, {}};
        request.limits.connectTimeoutMs = 2000;
        return doc.FetchSchedule(request, http, progress);
    }
    std::string Database() const { return dir.file("EIBI-A26.mdb"); }
    // The number of records the last import's status text counts.
    int StoredCount() const {
        for (auto it = ui.statusTexts.rbegin(); it != ui.statusTexts.rend(); ++it) {
            if (it->find(" records stored") != std::string::npos) return std::stoi(*it);
        }
        return -1;
    }

    TempDir dir;
    TestHttpServer server;
    FakeScreen ui;
    FixedClock clock;
    QtHttpTransfer http;
    NoProgress progress;
    CZOFDoc doc{DocumentScreen::Of(ui), clock, Paths(dir)};
};

TEST_F(DocumentFetchTest, aFirstDownloadBuildsTheSeasonsDatabaseFromTheCacheAndOpensIt) {
    EXPECT_EQ(Fetch(), FetchStatus::Downloaded);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();
    ASSERT_TRUE(doc.IsOpen());
    EXPECT_EQ(doc.DatabaseName(), "EIBI-A26");
    EXPECT_GT(StoredCount(), 300);
    EXPECT_EQ(doc.RecordCount(), StoredCount());
    EXPECT_EQ(Read(dir.file("cache/eibi/a26/sked-a26.csv")), kSchedule);
    EXPECT_EQ(Read(dir.file("cache/eibi/a26/README.TXT")), kCodes);
    // Nothing but the database itself is left in the database folder.
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "EIBI-A26.mdb" || name == "cache") << name;
    }
}

TEST_F(DocumentFetchTest, aSecondDownloadAnsweredNotModifiedRebuildsNothing) {
    ASSERT_EQ(Fetch(), FetchStatus::Downloaded);
    const long long built = Modified(Database());
    EXPECT_EQ(Fetch(), FetchStatus::NotModified);
    EXPECT_EQ(ui.statusTexts.back(), "The EiBi schedule A26 is current.");
    EXPECT_EQ(Modified(Database()), built);
    EXPECT_TRUE(doc.IsOpen());
    EXPECT_EQ(server.Requests().back().headers.at("if-none-match"), "\"r1\"");
}

TEST_F(DocumentFetchTest, aChangedScheduleIsDownloadedAgainAndReplacesTheDatabase) {
    ASSERT_EQ(Fetch(), FetchStatus::Downloaded);
    const int before = doc.RecordCount();
    // The new season's file has lost its last line.
    std::string shorter = kSchedule.substr(0, kSchedule.rfind('\n', kSchedule.size() - 2) + 1);
    ServeSchedule(shorter, "\"s2\"");
    EXPECT_EQ(Fetch(), FetchStatus::Downloaded);
    EXPECT_EQ(doc.DatabaseName(), "EIBI-A26");
    EXPECT_EQ(doc.RecordCount(), before - 1);
    EXPECT_EQ(Read(dir.file("cache/eibi/a26/sked-a26.csv")), shorter);
}

TEST_F(DocumentFetchTest, aFailedDownloadSaysWhyAndLeavesDatabaseAndCacheAsTheyWere) {
    ASSERT_EQ(Fetch(), FetchStatus::Downloaded);
    const long long built = Modified(Database());
    const std::string url = server.Url("/dx/sked-a26.csv");
    struct Case {
        TestHttpServer::Route route;
        std::string message;
    };
    const std::vector<Case> cases{
        {TestHttpServer::Route::File("text/html", "<html>no</html>").Status(404),
         "The EiBi server has no such file (404 not found): " + url},
        {TestHttpServer::Route::File("text/html", "<html>Welcome</html>"),
         "The file from EiBi was not taken: it is a web page, not a schedule (" + url + ")."},
        {TestHttpServer::Route::File("text/csv", "6000;0000-0100;;D;DW\n"),
         "The file from EiBi was not taken: it is not an EiBi schedule (its header line is missing) (" + url + ")."},
        {TestHttpServer::Route::File("text/csv", kSchedule).CutAfter(1000), "The download from EiBi was cut short"},
    };
    for (const Case& c : cases) {
        server.Serve("/dx/sked-a26.csv", c.route);
        ui.messages.clear();
        EXPECT_EQ(Fetch(), FetchStatus::Failed);
        ASSERT_EQ(ui.messages.size(), 1u) << c.message;
        EXPECT_TRUE(ui.messages[0].starts_with(c.message)) << ui.messages[0];
        EXPECT_EQ(Modified(Database()), built);
        EXPECT_EQ(Read(dir.file("cache/eibi/a26/sked-a26.csv")), kSchedule);
        EXPECT_EQ(doc.DatabaseName(), "EIBI-A26");
    }
}

TEST_F(DocumentFetchTest, withoutAConnectionTheCachedCopyStandsInAndSaysHowOldItIs) {
    ASSERT_EQ(Fetch(), FetchStatus::Downloaded);
    doc.OnDatabaseClose();
    std::filesystem::remove(Database());
    server.Stop();
    UtcTime later = clock.NowUtc();
    later.day += 3;
    clock.Set(later);
    EXPECT_EQ(Fetch(), FetchStatus::FromCache);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "The EiBi server refused the connection (" + server.Url("/dx/sked-a26.csv") +
                                  "). ZOFAR uses the copy downloaded 3 days ago.");
    EXPECT_EQ(doc.DatabaseName(), "EIBI-A26");
    EXPECT_GT(doc.RecordCount(), 300);
}

TEST_F(DocumentFetchTest, theDownloadCommandOffersTheCurrentSeasonAndKeepsATypedAddress) {
    ASSERT_TRUE(IniFile::FromText("[Settings]\nDatabase=B24\n[Download]\nAokiUrl=http://mirror.example/\n")
                    .Save(dir.file("zofar.INI")));
    ui.transfer = &http;
    ui.fetchAnswers.push_back(FetchChoices{"eibi", "x", server.Url("/dx/")});
    ui.fetchAnswers.push_back(FetchChoices{"eibi", "a26", server.Url("/dx/")});
    doc.Execute(CommandId::DownloadSchedule);

    ASSERT_EQ(ui.fetchDialogs.size(), 1u);
    EXPECT_EQ(ui.fetchDialogs[0].choices.source, "eibi");
    EXPECT_EQ(ui.fetchDialogs[0].choices.season, "a26");
    EXPECT_EQ(ui.fetchDialogs[0].choices.folderUrl, "http://www.eibispace.de/dx/");
    EXPECT_EQ(ui.fetchDialogs[0].folderOfSource[2], "http://mirror.example/");
    // The bad season keeps the dialog open; the good one downloads and closes it.
    EXPECT_EQ(ui.fetchResults, (std::vector<bool>{false, true}));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Please enter the season as a letter and two digits, like B26."}));
    EXPECT_EQ(doc.DatabaseName(), "EIBI-A26");
    const IniFile settings = IniFile::Load(dir.file("zofar.INI"));
    EXPECT_EQ(settings.GetString("Download", "EibiUrl", ""), server.Url("/dx/"));
    EXPECT_EQ(settings.GetString("Settings", "Database", ""), "B24");
    EXPECT_EQ(settings.GetString("Download", "AokiUrl", ""), "http://mirror.example/");
}

}  // namespace
}  // namespace zofar::test
