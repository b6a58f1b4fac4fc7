#pragma once

#include <string>
#include <vector>

#include "base/IniFile.h"
#include "base/Environment.h"
#include "fetch/ScheduleSource.h"

namespace zofar {

/// $XDG_CACHE_HOME/zofar/ (or ~/.cache/zofar/); empty when neither variable is set.
std::string CacheRoot(const EnvironmentLookup& env);

/// The downloaded files of one source's season, kept in ROOT/SOURCE/SEASON/ with a small file
/// beside them that holds each file's validators (ETag, Last-Modified) and when the season was
/// last fetched. Every file is written whole or not at all.
class SeasonCache {
public:
    struct Validators {
        std::string etag;
        std::string lastModified;
    };
    struct NewFile {
        std::string name;
        std::string body;
        Validators validators;
    };

    /// The cache of `season` of `source` under `root` (ending with '/'); reads the validators.
    SeasonCache(const std::string& root, const ScheduleSource& source, const Season& season);

    /// The folder, ending with '/'.
    const std::string& Folder() const { return folder_; }
    std::string PathOf(const std::string& file) const { return folder_ + file; }
    bool Has(const std::string& file) const;
    /// The validators of a file held; empty ones for a file not held.
    Validators ValidatorsOf(const std::string& file) const;
    /// Seconds since 1970 of the last download or check that found the files current; 0: never.
    long long FetchedAt() const;

    /// Writes `files` over the copies held, then their validators and `fetchedAt`. False, with
    /// `error` set, when something could not be written; what was written is whole, and a file
    /// whose validators were not recorded is asked for unconditionally next time.
    bool Store(const std::vector<NewFile>& files, long long fetchedAt, std::string& error);
    /// Records that the copies held were found current at `checkedAt`.
    bool MarkChecked(long long checkedAt);
    /// Drops every file's validators, so the next download takes the files whole again.
    void ForgetValidators();

    /// The name of the validators file, which no schedule file may have.
    static constexpr const char* kRecordFile = "validators.ini";

private:
    bool SaveRecord();

    std::string folder_;
    IniFile record_;
};

}  // namespace zofar
