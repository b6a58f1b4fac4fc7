#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zofar {

/// What the rig bridge tells the program that started it, one line each on standard output
/// (with --report): the state of the rig connection, and the frames it could not carry out.
enum class RigReportKind {
    Connected,   ///< "connected" or "connected HZ": the rig server answers; HZ once the dial is read
    NoServer,    ///< "no-server": no rig server answers at the bridge's host and port
    TuneFailed,  ///< "tune-failed HZ": a tune from the link did not reach the rig
    FindIgnored  ///< "find HZ": a find-or-create frame came; the rig keeps no station list
};

struct RigStateReport {
    RigReportKind kind = RigReportKind::NoServer;
    std::optional<std::int64_t> hz;  ///< in Hz; always set for TuneFailed and FindIgnored

    bool operator==(const RigStateReport&) const = default;
};

/// The report's line, without a line end.
std::string FormatRigStateReport(const RigStateReport& report);

/// Reads one report line (a CR before the line end is tolerated). Nothing for any other text:
/// an unknown word, a missing or surplus frequency, a frequency that is not 1..10^12 Hz.
std::optional<RigStateReport> ParseRigStateReport(std::string_view line);

/// `hz` in kHz with three decimals and a comma between thousands: 9410000 gives "9,410.000".
std::string FormatKhzWithSeparators(std::int64_t hz);

}  // namespace zofar
