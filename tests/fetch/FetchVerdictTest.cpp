#include <gtest/gtest.h>

#include "fetch/FetchVerdict.h"

namespace zofar {
namespace {

constexpr const char* kUrl = "http://127.0.0.1:1/dx/sked-b26.csv";

HttpResponse Answer(int status, std::string body, std::string type = "text/plain") {
    HttpResponse r;
    r.end = TransferEnd::Answered;
    r.status = status;
    r.contentType = std::move(type);
    r.contentLength = static_cast<long long>(body.size());
    r.body = std::move(body);
    return r;
}

HttpResponse Ended(TransferEnd end) {
    HttpResponse r;
    r.end = end;
    r.received = 1200;
    r.contentLength = 5000;
    r.detail = "SSL handshake failed";
    return r;
}

TEST(FetchVerdict, everyWayATransferEndsGetsItsVerdictAndAMessageNamingSourceAndAddress) {
    struct Case {
        const char* what;
        HttpResponse response;
        FileVerdictKind kind;
        const char* message;
    };
    const std::vector<Case> cases{
        {"a schedule", Answer(200, "kHz:75;Time(UTC):93\n6000;0000-0100\n"), FileVerdictKind::Fresh, ""},
        {"not modified", Answer(304, ""), FileVerdictKind::NotModified, ""},
        {"refused", Ended(TransferEnd::Refused), FileVerdictKind::Offline,
         "The EiBi server refused the connection (http://127.0.0.1:1/dx/sked-b26.csv)."},
        {"unknown host", Ended(TransferEnd::HostNotFound), FileVerdictKind::Offline,
         "The EiBi server could not be found (http://127.0.0.1:1/dx/sked-b26.csv)."},
        {"timed out", Ended(TransferEnd::TimedOut), FileVerdictKind::Offline,
         "The EiBi server did not answer in time (http://127.0.0.1:1/dx/sked-b26.csv)."},
        {"cut short", Ended(TransferEnd::CutShort), FileVerdictKind::Failed,
         "The download from EiBi was cut short after 1.2 kB of 5.0 kB (http://127.0.0.1:1/dx/sked-b26.csv)."},
        {"too large", Ended(TransferEnd::TooLarge), FileVerdictKind::Failed,
         "The file from EiBi is larger than 50.0 MB and was not downloaded (http://127.0.0.1:1/dx/sked-b26.csv)."},
        {"redirect loop", Ended(TransferEnd::TooManyRedirects), FileVerdictKind::Failed,
         "The EiBi address redirects more than 5 times (http://127.0.0.1:1/dx/sked-b26.csv)."},
        {"cancelled", Ended(TransferEnd::Cancelled), FileVerdictKind::Cancelled, "The download was cancelled."},
        {"other failure", Ended(TransferEnd::Failed), FileVerdictKind::Failed,
         "The download from EiBi failed: SSL handshake failed (http://127.0.0.1:1/dx/sked-b26.csv)."},
        {"404", Answer(404, "<html>gone</html>", "text/html"), FileVerdictKind::Failed,
         "The EiBi server has no such file (404 not found): http://127.0.0.1:1/dx/sked-b26.csv"},
        {"500", Answer(500, "oops"), FileVerdictKind::Failed,
         "The EiBi server answered with status 500 (http://127.0.0.1:1/dx/sked-b26.csv)."},
        {"html type", Answer(200, "kHz but a page", "text/html; charset=utf-8"), FileVerdictKind::Failed,
         "The file from EiBi was not taken: it is a web page, not a schedule (http://127.0.0.1:1/dx/sked-b26.csv)."},
        {"html body", Answer(200, "\n  <!DOCTYPE html><html>", "text/plain"), FileVerdictKind::Failed,
         "The file from EiBi was not taken: it is a web page, not a schedule (http://127.0.0.1:1/dx/sked-b26.csv)."},
        {"no header", Answer(200, "6000;0000-0100;;D;DW\n"), FileVerdictKind::Failed,
         "The file from EiBi was not taken: it is not an EiBi schedule (its header line is missing) "
         "(http://127.0.0.1:1/dx/sked-b26.csv)."},
    };
    const ScheduleSource& eibi = *FindScheduleSource("eibi");
    for (const Case& c : cases) {
        const FileVerdict v = JudgeResponse(eibi, ScheduleFileKind::EibiCsv, kUrl, c.response, HttpLimits{});
        EXPECT_EQ(v.kind, c.kind) << c.what;
        EXPECT_EQ(v.message, c.message) << c.what;
    }
}

TEST(FetchVerdict, aBodyShorterThanItsAnnouncedLengthIsCutShort) {
    HttpResponse r = Answer(200, "kHz:75\n");
    r.contentLength = 100;
    const FileVerdict v = JudgeResponse(*FindScheduleSource("eibi"), ScheduleFileKind::EibiCsv, kUrl, r, HttpLimits{});
    EXPECT_EQ(v.kind, FileVerdictKind::Failed);
    EXPECT_EQ(v.message,
              "The download from EiBi was cut short after 7 bytes of 100 bytes (" + std::string(kUrl) + ").");
}

TEST(FetchVerdict, eachKindOfFileHasItsOwnShape) {
    EXPECT_EQ(ScheduleBodyProblem(ScheduleFileKind::EibiCsv, "text/csv", "\xEF\xBB\xBFkHz:75;Time"), std::nullopt);
    EXPECT_EQ(ScheduleBodyProblem(ScheduleFileKind::EibiCodes, "text/plain", "EiBi README"), std::nullopt);
    EXPECT_EQ(ScheduleBodyProblem(ScheduleFileKind::EibiCodes, "text/plain", "  \n"), "it is empty");
    EXPECT_EQ(ScheduleBodyProblem(ScheduleFileKind::ZipArchive, "application/zip", std::string("PK\x03\x04rest", 8)),
              std::nullopt);
    EXPECT_EQ(ScheduleBodyProblem(ScheduleFileKind::ZipArchive, "application/zip", "kHz"), "it is not a ZIP archive");
    EXPECT_EQ(ScheduleBodyProblem(ScheduleFileKind::ZipArchive, "TEXT/HTML", "PK\x03\x04"),
              "it is a web page, not a schedule");
}

TEST(FetchVerdict, sizesAndAgesReadAsWords) {
    EXPECT_EQ(ByteCountText(1), "1 byte");
    EXPECT_EQ(ByteCountText(999), "999 bytes");
    EXPECT_EQ(ByteCountText(12400), "12.4 kB");
    EXPECT_EQ(ByteCountText(1300000), "1.3 MB");
    EXPECT_EQ(ProgressText("sked-b26.csv", 12400, 1300000), "sked-b26.csv: 12.4 kB of 1.3 MB");
    EXPECT_EQ(ProgressText("README.TXT", 500, -1), "README.TXT: 500 bytes");
    EXPECT_EQ(AgeText(59 * 60), "less than an hour ago");
    EXPECT_EQ(AgeText(3600), "1 hour ago");
    EXPECT_EQ(AgeText(47 * 3600), "47 hours ago");
    EXPECT_EQ(AgeText(3 * 86400 + 5), "3 days ago");
}

}  // namespace
}  // namespace zofar
