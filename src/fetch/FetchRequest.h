#pragma once

#include <string>

#include "fetch/HttpTransfer.h"
#include "fetch/Season.h"

namespace zofar {

/// A download the user asked for.
struct FetchRequest {
    std::string source;  ///< a ScheduleSource's name
    Season season;
    std::string folderUrl;     ///< empty: the settings' folder or the source's default
    std::string databaseName;  ///< empty: the source's name for the season ("EIBI-B26")
    HttpLimits limits;
};

/// How a download of a season ended.
enum class FetchStatus {
    Downloaded,   ///< new files are in the cache
    NotModified,  ///< the server says the cached files are current
    FromCache,    ///< no connection; the cached files stand in
    Failed,
    Cancelled,
};

}  // namespace zofar
