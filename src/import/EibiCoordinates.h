#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zofar {

/// A transmitter site's position in the form the schedule lists keep it.
struct EibiCoordinates {
    std::size_t begin = 0;  ///< byte offset in the searched text where the position starts
    std::string latitude;   ///< degrees, N or S, minutes: "52N31"
    std::string longitude;  ///< degrees in three digits, E or W, minutes: "013E22"
};

/// The first position written as latitude and longitude in degrees and minutes, seconds
/// optional ("34N32-69E20", "26S07'40\"-28E12'20\"", also without the hyphen or with a blank
/// after the hemisphere); seconds are dropped. Nothing when the text holds no such position or
/// its degrees or minutes are out of range.
std::optional<EibiCoordinates> FindEibiCoordinates(std::string_view text);

}  // namespace zofar
