#pragma once

#include <string>

#include "fetch/FetchRequest.h"
#include "fetch/HttpTransfer.h"
#include "fetch/ScheduleSource.h"
#include "fetch/SeasonCache.h"

namespace zofar {

struct FetchedSeason {
    FetchStatus status = FetchStatus::Failed;
    /// Failed: why; FromCache: why, and how old the copy is.
    std::string message;
};

/// Brings the cache of `source`'s `season` up to date from `folderUrl`: asks for each file with
/// the validators of the copy held, checks what comes, and stores the new files only when every
/// file of the season has arrived whole and checked. Without a connection, a complete cached
/// season stands in. `now` is seconds since 1970.
FetchedSeason FetchSeasonFiles(const ScheduleSource& source, const Season& season, const std::string& folderUrl,
                               const HttpLimits& limits, SeasonCache& cache, HttpTransfer& http,
                               DownloadProgress& progress, long long now);

}  // namespace zofar
