#include "rig/RigLineReader.h"

namespace zofar {

void RigLineReader::Append(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        if (!skipping_) {
            if (partial_.size() + piece.size() > maxLine_) {
                partial_.clear();
                skipping_ = true;
                lines_.push_back(RigLine{{}, true});
            } else {
                partial_.append(piece);
            }
        }
        if (end == std::string_view::npos) return;
        if (!skipping_) lines_.push_back(RigLine{std::move(partial_), false});
        partial_.clear();
        skipping_ = false;
        bytes.remove_prefix(end + 1);
    }
}

std::optional<RigLine> RigLineReader::Next() {
    if (lines_.empty()) return std::nullopt;
    RigLine line = std::move(lines_.front());
    lines_.pop_front();
    return line;
}

void RigLineReader::Clear() {
    partial_.clear();
    skipping_ = false;
    lines_.clear();
}

void RigLineReader::Resync() {
    lines_.clear();
    if (!partial_.empty()) skipping_ = true;
    partial_.clear();
}

}  // namespace zofar
