#pragma once

#include <cstddef>
#include <string_view>

namespace zofar {

/// Walks a text line by line. A line ends at LF; a CR right before the LF is not part of it, so
/// CR LF and LF files read alike; a last line without LF still counts.
class TextLines {
public:
    explicit TextLines(std::string_view text) : text_(text) {}

    /// The next line, false at the end of the text.
    bool Next(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) end = text_.size();
        line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace zofar
