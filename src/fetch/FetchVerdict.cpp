#include "fetch/FetchVerdict.h"

#include <cctype>
#include <cstdio>

namespace zofar {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The body after a byte-order mark and leading white space.
std::string_view Content(std::string_view body) {
    if (body.starts_with("\xEF\xBB\xBF")) body.remove_prefix(3);
    while (!body.empty() && std::isspace(static_cast<unsigned char>(body.front()))) body.remove_prefix(1);
    return body;
}

std::string Plural(long long n, const char* unit) { return std::to_string(n) + " " + unit + (n == 1 ? "" : "s"); }

}  // namespace

std::optional<std::string> ScheduleBodyProblem(ScheduleFileKind kind, std::string_view contentType,
                                               std::string_view body) {
    // Servers answer a missing file with a friendly page and status 200 often enough.
    const std::string type = Lower(contentType);
    if (type.starts_with("text/html") || type.starts_with("application/xhtml") || Content(body).starts_with("<"))
        return "it is a web page, not a schedule";
    switch (kind) {
    case ScheduleFileKind::EibiCsv:
        if (!Content(body).starts_with("kHz")) return "it is not an EiBi schedule (its header line is missing)";
        return std::nullopt;
    case ScheduleFileKind::EibiCodes:
        if (Content(body).empty()) return "it is empty";
        return std::nullopt;
    case ScheduleFileKind::ZipArchive:
        if (!body.starts_with("PK\x03\x04")) return "it is not a ZIP archive";
        return std::nullopt;
    }
    return std::nullopt;
}

FileVerdict JudgeResponse(const ScheduleSource& source, ScheduleFileKind kind, const std::string& url,
                          const HttpResponse& response, const HttpLimits& limits) {
    const std::string label(source.label);
    using V = FileVerdictKind;
    switch (response.end) {
    case TransferEnd::Refused: return {V::Offline, "The " + label + " server refused the connection (" + url + ")."};
    case TransferEnd::HostNotFound: return {V::Offline, "The " + label + " server could not be found (" + url + ")."};
    case TransferEnd::TimedOut: return {V::Offline, "The " + label + " server did not answer in time (" + url + ")."};
    case TransferEnd::Cancelled: return {V::Cancelled, "The download was cancelled."};
    case TransferEnd::CutShort: {
        std::string got = ByteCountText(response.received);
        if (response.contentLength >= 0) got += " of " + ByteCountText(response.contentLength);
        return {V::Failed, "The download from " + label + " was cut short after " + got + " (" + url + ")."};
    }
    case TransferEnd::TooLarge:
        return {V::Failed, "The file from " + label + " is larger than " + ByteCountText(limits.maxBytes) +
                               " and was not downloaded (" + url + ")."};
    case TransferEnd::TooManyRedirects:
        return {V::Failed, "The " + label + " address redirects more than " + std::to_string(limits.maxRedirects) +
                               " times (" + url + ")."};
    case TransferEnd::Failed:
        return {V::Failed, "The download from " + label + " failed: " + response.detail + " (" + url + ")."};
    case TransferEnd::Answered: break;
    }
    if (response.status == 304) return {V::NotModified, {}};
    if (response.status == 404 || response.status == 410)
        return {V::Failed, "The " + label + " server has no such file (" + std::to_string(response.status) +
                               " not found): " + url};
    if (response.status != 200)
        return {V::Failed,
                "The " + label + " server answered with status " + std::to_string(response.status) + " (" + url + ")."};
    if (response.contentLength >= 0 && static_cast<long long>(response.body.size()) < response.contentLength) {
        return {V::Failed, "The download from " + label + " was cut short after " +
                               ByteCountText(static_cast<long long>(response.body.size())) + " of " +
                               ByteCountText(response.contentLength) + " (" + url + ")."};
    }
    if (auto problem = ScheduleBodyProblem(kind, response.contentType, response.body))
        return {V::Failed, "The file from " + label + " was not taken: " + *problem + " (" + url + ")."};
    return {V::Fresh, {}};
}

std::string ByteCountText(long long bytes) {
    if (bytes < 1000) return Plural(bytes, "byte");
    char text[32];
    if (bytes < 1000 * 1000) {
        std::snprintf(text, sizeof text, "%.1f kB", static_cast<double>(bytes) / 1e3);
    } else {
        std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
    }
    return text;
}

std::string ProgressText(const std::string& file, long long received, long long total) {
    std::string text = file + ": " + ByteCountText(received);
    if (total >= 0) text += " of " + ByteCountText(total);
    return text;
}

std::string AgeText(long long seconds) {
    if (seconds < 3600) return "less than an hour ago";
    if (seconds < 2 * 86400) return Plural(seconds / 3600, "hour") + " ago";
    return Plural(seconds / 86400, "day") + " ago";
}

}  // namespace zofar
