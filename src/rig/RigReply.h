#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zofar {

/// Longest reply line kept, without its line end; a longer line is a protocol error.
inline constexpr std::size_t kMaxRigReplyLine = 256;

/// Highest frequency in Hz a rig server may report or be sent (1 THz, above any radio).
inline constexpr std::int64_t kMaxRigFrequencyHz = 1'000'000'000'000;

enum class RigReplyKind {
    Frequency,  ///< the answer to "f": a frequency in Hz
    Report,     ///< "RPRT x": 0 for done, anything else an error of the server or the rig
    Blank,      ///< an empty line, which no command waits for
    Garbage     ///< anything else: a protocol error
};

struct RigReplyLine {
    RigReplyKind kind = RigReplyKind::Garbage;
    std::int64_t hz = 0;  ///< for Frequency
    int report = 0;       ///< for Report
};

/// Reads one reply line, given without its LF (a CR before the LF is tolerated). A frequency is
/// an integer or a decimal with a point, digits only, no sign or exponent, rounded to whole Hz
/// and at most kMaxRigFrequencyHz. "RPRT" takes one blank and an integer with an optional sign
/// (rigctld reports errors as negative numbers, other servers as positive ones). Any byte
/// outside these forms, NUL included, makes the line Garbage.
RigReplyLine ParseRigReplyLine(std::string_view line);

enum class RigCommandKind { Tune, Poll };

enum class RigOutcome {
    Answered,       ///< "RPRT 0" to a tune, a frequency to a poll
    RigError,       ///< "RPRT x" with x other than 0
    ProtocolError,  ///< a line that is no reply of the protocol
    Timeout,        ///< no reply within the reply timeout
    NotConnected,   ///< no connection to the rig server, or it went away before the reply
    Superseded      ///< a newer tune took the place of this one before it was sent
};

struct RigResult {
    RigOutcome outcome = RigOutcome::NotConnected;
    std::int64_t hz = 0;  ///< the frequency a poll read, in Hz
    int report = 0;       ///< the number of an "RPRT" error
};

/// What a reply line means to the command waiting for it; nothing while that command is still
/// waiting. A late answer to an earlier command can arrive first, so a tune passes over a
/// frequency line and a poll over "RPRT 0"; blank lines are passed over by both.
std::optional<RigResult> ReplyForCommand(RigCommandKind command, const RigReplyLine& line);

}  // namespace zofar
