#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fetch/HttpTransfer.h"
#include "fetch/ScheduleSource.h"

namespace zofar {

/// What a transfer of one file means for the download.
enum class FileVerdictKind {
    Fresh,        ///< a new copy of the file, checked
    NotModified,  ///< the server says the copy held is current (304)
    Offline,      ///< no connection: a cached copy may stand in
    Cancelled,    ///< the user stopped it
    Failed,       ///< the message says why
};

struct FileVerdict {
    FileVerdictKind kind = FileVerdictKind::Failed;
    std::string message;  ///< for Offline and Failed: what went wrong, naming source and address
};

/// Judges the answer to the GET of `url`, one of `source`'s files of kind `kind`: which message
/// the user reads, and whether the body may become a database.
FileVerdict JudgeResponse(const ScheduleSource& source, ScheduleFileKind kind, const std::string& url,
                          const HttpResponse& response, const HttpLimits& limits);

/// Why `body` (served as `contentType`) is not a file of kind `kind`, or nothing when it may be
/// one. A web page is never a schedule, whatever the file's name.
std::optional<std::string> ScheduleBodyProblem(ScheduleFileKind kind, std::string_view contentType,
                                               std::string_view body);

/// "830 bytes", "12.4 kB", "1.3 MB".
std::string ByteCountText(long long bytes);

/// "sked-b26.csv: 12.4 kB of 1.3 MB" (or without " of ..." when the total is unknown).
std::string ProgressText(const std::string& file, long long received, long long total);

/// How long ago something happened `seconds` ago: "less than an hour ago", "5 hours ago",
/// "3 days ago".
std::string AgeText(long long seconds);

}  // namespace zofar
