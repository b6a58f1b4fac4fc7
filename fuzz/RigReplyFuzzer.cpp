// A rig server's replies from any bytes: lines stay within the cap whatever arrives and however
// it is cut, and every line parses to a reply within its bounds.
#include <algorithm>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "rig/RigLineReader.h"
#include "rig/RigReply.h"

using namespace zofar;

namespace {

struct Line {
    std::string text;
    bool overlong;
    bool operator==(const Line&) const = default;
};

std::vector<Line> Lines(std::string_view bytes, std::size_t piece) {
    RigLineReader reader;
    std::vector<Line> lines;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        reader.Append(bytes.substr(at, piece));
        while (auto line = reader.Next()) lines.push_back({line->text, line->overlong});
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t piece = 1 + data[0] % 64;
    const std::string_view bytes = fuzz::Bytes(data + 1, size - 1);

    const std::vector<Line> whole = Lines(bytes, std::max<std::size_t>(bytes.size(), 1));
    fuzz::Check(Lines(bytes, piece) == whole, "pieces give other lines than the whole");
    for (const Line& line : whole) {
        fuzz::Check(line.text.size() <= kMaxRigReplyLine, "a line is longer than the cap");
        fuzz::Check(line.text.find('\n') == std::string::npos, "a line holds its line end");
        fuzz::Check(!line.overlong || line.text.empty(), "an overlong line kept its text");
        const RigReplyLine reply = ParseRigReplyLine(line.text);
        if (reply.kind == RigReplyKind::Frequency) {
            fuzz::Check(reply.hz >= 0 && reply.hz <= kMaxRigFrequencyHz, "a frequency beyond the bounds was taken");
        }
        for (const RigCommandKind command : {RigCommandKind::Tune, RigCommandKind::Poll}) {
            if (const auto result = ReplyForCommand(command, reply)) {
                if (result->outcome == RigOutcome::Answered && command == RigCommandKind::Poll) {
                    fuzz::Check(result->hz == reply.hz, "a poll reads another frequency than the line's");
                }
            }
        }
    }
    return 0;
}
