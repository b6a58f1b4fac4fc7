#include "rig/RigStateReport.h"

#include <charconv>

#include "rig/RigReply.h"

namespace zofar {

namespace {

constexpr std::string_view kConnected = "connected";
constexpr std::string_view kNoServer = "no-server";
constexpr std::string_view kTuneFailed = "tune-failed";
constexpr std::string_view kFind = "find";

std::optional<std::int64_t> ReadHz(std::string_view text) {
    std::int64_t hz = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, hz);
    if (text.empty() || error != std::errc{} || stop != end || hz < 1 || hz > kMaxRigFrequencyHz) return std::nullopt;
    return hz;
}

}  // namespace

std::string FormatRigStateReport(const RigStateReport& report) {
    std::string word;
    switch (report.kind) {
    case RigReportKind::Connected: word = kConnected; break;
    case RigReportKind::NoServer: return std::string(kNoServer);
    case RigReportKind::TuneFailed: word = kTuneFailed; break;
    case RigReportKind::FindIgnored: word = kFind; break;
    }
    return report.hz ? word + " " + std::to_string(*report.hz) : word;
}

std::optional<RigStateReport> ParseRigStateReport(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto blank = line.find(' ');
    const std::string_view word = line.substr(0, blank);
    std::optional<std::int64_t> hz;
    if (blank != std::string_view::npos) {
        hz = ReadHz(line.substr(blank + 1));
        if (!hz) return std::nullopt;
    }
    if (word == kNoServer) {
        if (hz) return std::nullopt;
        return RigStateReport{RigReportKind::NoServer, std::nullopt};
    }
    if (word == kConnected) return RigStateReport{RigReportKind::Connected, hz};
    if (!hz) return std::nullopt;
    if (word == kTuneFailed) return RigStateReport{RigReportKind::TuneFailed, hz};
    if (word == kFind) return RigStateReport{RigReportKind::FindIgnored, hz};
    return std::nullopt;
}

std::string FormatKhzWithSeparators(std::int64_t hz) {
    const bool negative = hz < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(hz) : static_cast<std::uint64_t>(hz);
    const std::string whole = std::to_string(magnitude / 1000);
    std::string fraction = std::to_string(magnitude % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped.push_back(',');
        grouped.push_back(whole[i]);
    }
    return (negative ? "-" : "") + grouped + "." + fraction;
}

}  // namespace zofar
