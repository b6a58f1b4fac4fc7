#include "cli/CliFetch.h"

#include <QCoreApplication>

#include <unistd.h>

#include <cstdio>

#include "base/Clock.h"
#include "cli/ConsoleUi.h"
#include "fetch/FetchVerdict.h"
#include "fetch/QtHttpTransfer.h"
#include "document/CZOFDoc.h"

namespace zofar::cli {

namespace {

// One line on the terminal, rewritten as the bytes come in; nothing when stderr is not a
// terminal, so logs and pipes get only the result.
class TerminalProgress : public DownloadProgress {
public:
    TerminalProgress() : tty_(isatty(STDERR_FILENO) == 1) {}
    ~TerminalProgress() override {
        if (shown_) std::fputc('\n', stderr);
    }
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void Progress(const std::string& file, long long received, long long total) override {
        if (!tty_) return;
        std::fprintf(stderr, "\r%-70s", ProgressText(file, received, total).c_str());
        std::fflush(stderr);
        shown_ = true;
    }
    bool CancelRequested() override { return false; }

private:
    bool tty_;
    bool shown_ = false;
};

}  // namespace

int RunFetch(const FetchOptions& o) {
    const ScheduleSource* source = FindScheduleSource(o.source);
    if (!source) {
        std::fprintf(stderr, "zofar-cli: SOURCE is eibi, hfcc or aoki, not \"%s\"\n", o.source.c_str());
        return kUsageError;
    }
    SystemClock clock;
    Season season = SeasonOf(clock.NowUtc());
    if (!o.season.empty()) {
        const auto parsed = ParseSeason(o.season);
        if (!parsed) {
            std::fprintf(stderr, "zofar-cli: --season takes a letter and two digits, like b26, not \"%s\"\n",
                         o.season.c_str());
            return kUsageError;
        }
        season = *parsed;
    }
    if (!o.url.empty() && !o.url.starts_with("http://") && !o.url.starts_with("https://")) {
        std::fprintf(stderr, "zofar-cli: --url takes an http:// or https:// address, not \"%s\"\n", o.url.c_str());
        return kUsageError;
    }

    int argc = 1;
    char program[] = "zofar-cli";
    char* argv[] = {program, nullptr};
    QCoreApplication app(argc, argv);

    const std::string folder = DatabaseFolderOf(o.common.folder);
    ConsoleUi ui;
    CZOFDoc doc(DocumentScreen::Of(ui), clock, DocumentPaths{SettingsFileOf(o.common), folder});
    QtHttpTransfer http;
    FetchRequest request{o.source, season, o.url, o.name, {}};
    const std::string name = o.name.empty() ? ScheduleDatabaseName(*source, season) : o.name;
    FetchStatus status = FetchStatus::Failed;
    {
        TerminalProgress progress;
        status = doc.FetchSchedule(request, http, progress);
    }
    switch (status) {
    case FetchStatus::Downloaded:
        std::printf("%s%s.mdb: %s\n", folder.c_str(), name.c_str(), ui.lastStatus.c_str());
        return 0;
    case FetchStatus::NotModified:
        std::printf("%s %s%s.mdb was not rebuilt.\n", ui.lastStatus.c_str(), folder.c_str(), name.c_str());
        return 0;
    case FetchStatus::FromCache:
    case FetchStatus::Failed:
    case FetchStatus::Cancelled: return 1;
    }
    return 1;
}

}  // namespace zofar::cli
