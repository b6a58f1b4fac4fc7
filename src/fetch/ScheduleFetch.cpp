#include "fetch/ScheduleFetch.h"

#include <vector>

#include "fetch/FetchVerdict.h"

namespace zofar {

namespace {

FetchedSeason FromCacheOrFail(const std::vector<std::string>& names, const SeasonCache& cache,
                              const std::string& reason, long long now) {
    for (const auto& name : names) {
        if (!cache.Has(name)) return {FetchStatus::Failed, reason};
    }
    const long long fetched = cache.FetchedAt();
    const std::string age =
        fetched > 0 && fetched <= now ? "the copy downloaded " + AgeText(now - fetched) : "the copy held";
    return {FetchStatus::FromCache, reason + " ZOFAR uses " + age + "."};
}

}  // namespace

FetchedSeason FetchSeasonFiles(const ScheduleSource& source, const Season& season, const std::string& folderUrl,
                               const HttpLimits& limits, SeasonCache& cache, HttpTransfer& http,
                               DownloadProgress& progress, long long now) {
    const std::vector<std::string> names = SeasonFileNames(source, season);
    std::vector<SeasonCache::NewFile> fresh;
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        const SeasonCache::Validators held = cache.ValidatorsOf(name);
        HttpRequest request{FileUrl(folderUrl, season, name), held.etag, held.lastModified, limits};
        HttpResponse response = http.Get(request, progress);
        const FileVerdict verdict = JudgeResponse(source, source.files[i].kind, request.url, response, limits);
        switch (verdict.kind) {
        case FileVerdictKind::Fresh:
            fresh.push_back({name, std::move(response.body), {response.etag, response.lastModified}});
            break;
        case FileVerdictKind::NotModified:
            // Validators go out only for a file held, so a 304 without one is the server's error.
            if (!cache.Has(name))
                return {FetchStatus::Failed, "The " + std::string(source.label) +
                                                 " server answered \"not modified\" for a file ZOFAR does not hold (" +
                                                 request.url + ")."};
            break;
        case FileVerdictKind::Offline: return FromCacheOrFail(names, cache, verdict.message, now);
        case FileVerdictKind::Cancelled: return {FetchStatus::Cancelled, verdict.message};
        case FileVerdictKind::Failed: return {FetchStatus::Failed, verdict.message};
        }
    }
    if (fresh.empty()) {
        cache.MarkChecked(now);
        return {FetchStatus::NotModified, {}};
    }
    std::string error;
    if (!cache.Store(fresh, now, error)) return {FetchStatus::Failed, error};
    return {FetchStatus::Downloaded, {}};
}

}  // namespace zofar
