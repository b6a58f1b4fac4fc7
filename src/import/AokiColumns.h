#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace zofar {

/// Where the columns of an Aoki (NDXC) list stand, read from its header line: each column
/// starts where its header word starts and ends where the next column present starts (the last
/// at the line's end). Positions count characters from 0.
class AokiColumns {
public:
    enum Column : std::size_t {
        kFre,
        kStation,
        kUtc,
        kDays,
        kLanguage,
        kPow,
        kAzi,
        kLocation,
        kAdm,
        kLl,
        kRemarks,
        kCount
    };

    /// The columns of a header line (UTF-8): it begins with "FRE" and names at least FRE,
    /// STATION and UTC among its blank-separated words, all in any letter case, in any order.
    /// Nothing for another line.
    static std::optional<AokiColumns> FromHeader(std::string_view line);

    /// Column `column` of a data line (UTF-8): "" when the header lacks it or the line ends
    /// before it.
    std::string_view Field(std::string_view line, Column column) const;

    /// The character where `column` starts; nothing when the header lacks it.
    std::optional<std::size_t> Start(Column column) const;

private:
    static constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);
    std::array<std::size_t, kCount> start_{};
    std::array<std::size_t, kCount> end_{};  // one past the column's last character; kAbsent: to the end
};

}  // namespace zofar
