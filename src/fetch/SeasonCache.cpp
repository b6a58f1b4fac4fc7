#include "fetch/SeasonCache.h"

#include <filesystem>
#include <system_error>

#include "base/AtomicFile.h"

namespace zofar {

namespace {

constexpr const char* kFetchSection = "Fetch";

}  // namespace

std::string CacheRoot(const EnvironmentLookup& env) {
    if (auto xdg = env("XDG_CACHE_HOME"); xdg && !xdg->empty() && xdg->front() == '/') {
        std::string root = *xdg;
        if (root.back() != '/') root += '/';
        return root + "zofar/";
    }
    if (auto home = env("HOME"); home && !home->empty()) {
        std::string root = *home;
        if (root.back() != '/') root += '/';
        return root + ".cache/zofar/";
    }
    return {};
}

SeasonCache::SeasonCache(const std::string& root, const ScheduleSource& source, const Season& season)
    : folder_(root + std::string(source.name) + "/" + SeasonCode(season) + "/"),
      record_(IniFile::Load(folder_ + kRecordFile)) {}

bool SeasonCache::Has(const std::string& file) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(PathOf(file), ec);
}

SeasonCache::Validators SeasonCache::ValidatorsOf(const std::string& file) const {
    if (!Has(file)) return {};
    return {record_.GetString(file, "ETag", ""), record_.GetString(file, "Last-Modified", "")};
}

long long SeasonCache::FetchedAt() const {
    const std::string text = record_.GetString(kFetchSection, "Fetched", "");
    try {
        return text.empty() ? 0 : std::stoll(text);
    } catch (const std::exception&) {
        return 0;
    }
}

bool SeasonCache::Store(const std::vector<NewFile>& files, long long fetchedAt, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    if (ec) {
        error = "The cache folder " + folder_ + " could not be made: " + ec.message();
        return false;
    }
    bool ok = true;
    for (const auto& file : files) {
        // The old validators go first: a file replaced without its new ones is asked for whole.
        record_.SetString(file.name, "ETag", "");
        record_.SetString(file.name, "Last-Modified", "");
        if (!WriteFileAtomically(PathOf(file.name), file.body)) {
            error = "The file " + PathOf(file.name) + " could not be written.";
            ok = false;
            continue;
        }
        record_.SetString(file.name, "ETag", file.validators.etag);
        record_.SetString(file.name, "Last-Modified", file.validators.lastModified);
    }
    if (ok) record_.SetString(kFetchSection, "Fetched", std::to_string(fetchedAt));
    if (!SaveRecord() && ok) {
        error = "The file " + PathOf(kRecordFile) + " could not be written.";
        ok = false;
    }
    return ok;
}

bool SeasonCache::MarkChecked(long long checkedAt) {
    record_.SetString(kFetchSection, "Fetched", std::to_string(checkedAt));
    return SaveRecord();
}

void SeasonCache::ForgetValidators() {
    std::error_code ec;
    std::filesystem::remove(PathOf(kRecordFile), ec);
    record_ = IniFile();
}

bool SeasonCache::SaveRecord() { return record_.Save(PathOf(kRecordFile)); }

}  // namespace zofar
