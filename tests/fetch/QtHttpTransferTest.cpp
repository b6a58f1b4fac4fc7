#include <gtest/gtest.h>

#include "fetch/QtHttpTransfer.h"
#include "fetch/TestHttpServer.h"

namespace zofar::test {
namespace {

// Records what the transfer reports; asks to cancel once `cancelAfter` bytes have arrived, or
// from the start with `cancel`.
class RecordingProgress : public DownloadProgress {
public:
    bool cancel = false;
    long long cancelAfter = -1;
    long long lastReceived = -1;
    long long lastTotal = -2;
    std::string lastFile;
    void Progress(const std::string& file, long long received, long long total) override {
        lastFile = file;
        lastReceived = received;
        lastTotal = total;
    }
    bool CancelRequested() override { return cancel || (cancelAfter >= 0 && lastReceived >= cancelAfter); }
};

class QtHttpTransferTest : public ::testing::Test {
protected:
    HttpResponse Get(const std::string& path, HttpLimits limits = {}, std::string etag = {}) {
        return http.Get({server.Url(path), std::move(etag), {}, limits}, progress);
    }

    TestHttpServer server;
    QtHttpTransfer http;
    RecordingProgress progress;
};

const std::string kSchedule = "kHz:75;Time(UTC):93\n" + std::string(20000, 'x') + "\n";

TEST_F(QtHttpTransferTest, aFileArrivesWholeWithItsValidatorsAndProgressInBytes) {
    server.Serve("/dx/sked-b26.csv", TestHttpServer::Route::File("text/csv", kSchedule)
                                         .Etag("\"e1\"")
                                         .LastModified("Sun, 25 Oct 2026 10:00:00 GMT"));
    const HttpResponse r = Get("/dx/sked-b26.csv");
    EXPECT_EQ(r.end, TransferEnd::Answered);
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, kSchedule);
    EXPECT_EQ(r.contentLength, static_cast<long long>(kSchedule.size()));
    EXPECT_EQ(r.contentType, "text/csv");
    EXPECT_EQ(r.etag, "\"e1\"");
    EXPECT_EQ(r.lastModified, "Sun, 25 Oct 2026 10:00:00 GMT");
    EXPECT_EQ(progress.lastFile, "sked-b26.csv");
    EXPECT_EQ(progress.lastReceived, static_cast<long long>(kSchedule.size()));
    EXPECT_EQ(progress.lastTotal, static_cast<long long>(kSchedule.size()));
}

TEST_F(QtHttpTransferTest, aCopyThatIsCurrentIsAnsweredNotModified) {
    server.Serve("/f.csv", TestHttpServer::Route::File("text/csv", kSchedule).Etag("\"e1\""));
    const HttpResponse r = Get("/f.csv", {}, "\"e1\"");
    EXPECT_EQ(r.end, TransferEnd::Answered);
    EXPECT_EQ(r.status, 304);
    EXPECT_TRUE(r.body.empty());
    EXPECT_EQ(server.Requests().back().headers.at("if-none-match"), "\"e1\"");
}

TEST_F(QtHttpTransferTest, redirectsAreFollowedUpToTheLimit) {
    server.Serve("/old/f.csv", TestHttpServer::Route::Redirect(server.Url("/new/f.csv")));
    server.Serve("/new/f.csv", TestHttpServer::Route::File("text/csv", kSchedule));
    const HttpResponse moved = Get("/old/f.csv");
    EXPECT_EQ(moved.end, TransferEnd::Answered);
    EXPECT_EQ(moved.status, 200);
    EXPECT_EQ(moved.body, kSchedule);

    server.Serve("/loop", TestHttpServer::Route::Redirect(server.Url("/loop")));
    EXPECT_EQ(Get("/loop").end, TransferEnd::TooManyRedirects);
}

TEST_F(QtHttpTransferTest, aMissingFileIsAnAnswerWithItsStatus) {
    const HttpResponse r = Get("/dx/sked-z99.csv");
    EXPECT_EQ(r.end, TransferEnd::Answered);
    EXPECT_EQ(r.status, 404);
}

TEST_F(QtHttpTransferTest, aStoppedServerRefuses) {
    const std::string url = server.Url("/f.csv");
    server.Stop();
    EXPECT_EQ(http.Get({url, {}, {}, {}}, progress).end, TransferEnd::Refused);
}

TEST_F(QtHttpTransferTest, aConnectionClosedBeforeTheAnnouncedLengthIsCutShort) {
    server.Serve("/f.csv", TestHttpServer::Route::File("text/csv", kSchedule).CutAfter(5000));
    const HttpResponse r = Get("/f.csv");
    EXPECT_EQ(r.end, TransferEnd::CutShort);
    EXPECT_EQ(r.contentLength, static_cast<long long>(kSchedule.size()));
    EXPECT_LE(r.received, 5000);
}

TEST_F(QtHttpTransferTest, aServerThatDoesNotAnswerOrStallsTimesOut) {
    HttpLimits quick;
    quick.connectTimeoutMs = 200;
    quick.stallTimeoutMs = 200;
    server.Serve("/silent", TestHttpServer::Route::File("text/csv", kSchedule).DelayHeaders(3000));
    EXPECT_EQ(Get("/silent", quick).end, TransferEnd::TimedOut);
    server.Serve("/stalls", TestHttpServer::Route::File("text/csv", kSchedule).DelayBody(3000));
    EXPECT_EQ(Get("/stalls", quick).end, TransferEnd::TimedOut);
}

TEST_F(QtHttpTransferTest, theUserCancelsASlowTransfer) {
    // The body is held back: the user gives up while waiting for it, whether or not Qt has
    // reported the headers' arrival as progress by then.
    server.Serve("/slow", TestHttpServer::Route::File("text/csv", kSchedule).DelayBody(3000));
    progress.cancel = true;
    const HttpResponse r = Get("/slow");
    EXPECT_EQ(r.end, TransferEnd::Cancelled);
    EXPECT_TRUE(r.body.empty());
}

TEST_F(QtHttpTransferTest, aBodyLargerThanTheCapIsRefusedAnnouncedOrNot) {
    HttpLimits small;
    small.maxBytes = 10000;
    server.Serve("/big", TestHttpServer::Route::File("text/csv", kSchedule));
    EXPECT_EQ(Get("/big", small).end, TransferEnd::TooLarge);
    server.Serve("/big-unannounced", TestHttpServer::Route::File("text/csv", kSchedule).WithoutLength());
    const HttpResponse r = Get("/big-unannounced", small);
    EXPECT_EQ(r.end, TransferEnd::TooLarge);
    EXPECT_TRUE(r.body.empty());
}

TEST_F(QtHttpTransferTest, aWebPageComesBackWithItsTypeForTheVerdict) {
    server.Serve("/dx/sked-b26.csv",
                 TestHttpServer::Route::File("text/html; charset=utf-8", "<html><body>Moved</body></html>"));
    const HttpResponse r = Get("/dx/sked-b26.csv");
    EXPECT_EQ(r.end, TransferEnd::Answered);
    EXPECT_EQ(r.contentType, "text/html; charset=utf-8");
}

}  // namespace
}  // namespace zofar::test
