#include "rig/RigReply.h"

#include <string_view>

namespace zofar {

namespace {

constexpr std::string_view kReportWord = "RPRT ";
// Enough for any frequency up to the limit, whatever leading zeros come before it.
constexpr std::size_t kMaxSignificantDigits = 13;
constexpr std::size_t kMaxReportDigits = 9;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<std::int64_t> ReadFrequency(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() || (point != std::string_view::npos && fraction.empty())) return std::nullopt;

    std::int64_t hz = 0;
    std::size_t significant = 0;
    for (const char c : whole) {
        if (!IsDigit(c)) return std::nullopt;
        if (hz == 0 && c == '0') continue;
        if (++significant > kMaxSignificantDigits) return std::nullopt;
        hz = hz * 10 + (c - '0');
    }
    for (const char c : fraction) {
        if (!IsDigit(c)) return std::nullopt;
    }
    if (!fraction.empty() && fraction.front() >= '5') ++hz;
    if (hz > kMaxRigFrequencyHz) return std::nullopt;
    return hz;
}

std::optional<int> ReadReport(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > kMaxReportDigits) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

}  // namespace

RigReplyLine ParseRigReplyLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    RigReplyLine reply;
    if (line.find_first_not_of(" \t") == std::string_view::npos) {
        reply.kind = RigReplyKind::Blank;
    } else if (line.substr(0, kReportWord.size()) == kReportWord) {
        if (const auto report = ReadReport(line.substr(kReportWord.size()))) {
            reply.kind = RigReplyKind::Report;
            reply.report = *report;
        }
    } else if (const auto hz = ReadFrequency(line)) {
        reply.kind = RigReplyKind::Frequency;
        reply.hz = *hz;
    }
    return reply;
}

std::optional<RigResult> ReplyForCommand(RigCommandKind command, const RigReplyLine& line) {
    switch (line.kind) {
    case RigReplyKind::Blank: return std::nullopt;
    case RigReplyKind::Garbage: return RigResult{RigOutcome::ProtocolError};
    case RigReplyKind::Report:
        if (line.report != 0) return RigResult{RigOutcome::RigError, 0, line.report};
        if (command == RigCommandKind::Poll) return std::nullopt;
        return RigResult{RigOutcome::Answered};
    case RigReplyKind::Frequency:
        if (command == RigCommandKind::Tune) return std::nullopt;
        return RigResult{RigOutcome::Answered, line.hz};
    }
    return RigResult{RigOutcome::ProtocolError};
}

}  // namespace zofar
