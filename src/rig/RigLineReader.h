#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "rig/RigReply.h"

namespace zofar {

/// One line received from a rig server, without its LF.
struct RigLine {
    std::string text;
    bool overlong = false;  ///< the line ran past the cap; text is empty, the rest was skipped
};

/// Cuts the bytes of a rig connection into LF-ended lines. Memory stays bounded whatever the
/// server sends: a line longer than the cap is given as one overlong line and its bytes up to
/// the next LF are dropped.
class RigLineReader {
public:
    explicit RigLineReader(std::size_t maxLine = kMaxRigReplyLine) : maxLine_(maxLine) {}

    void Append(std::string_view bytes);
    /// The oldest complete line not yet taken.
    std::optional<RigLine> Next();
    /// Forgets complete lines and the unfinished one, as for a new connection.
    void Clear();
    /// Forgets complete lines; an unfinished one is dropped through its LF when that comes, so
    /// what is left of a stale line is never read as the start of the next.
    void Resync();

private:
    std::size_t maxLine_;
    std::string partial_;
    bool skipping_ = false;
    std::deque<RigLine> lines_;
};

}  // namespace zofar
