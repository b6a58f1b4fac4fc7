#pragma once

#include <string>

namespace zofar::test {

/// One complete 297-column ILG list line with its line end: the frequency field (columns 0-6),
/// the station (7-28) and the time field (29-37) set, blanks elsewhere.
inline std::string IlgLine(const std::string& freq, const std::string& station, const std::string& time) {
    std::string line(297, ' ');
    line.replace(0, freq.size(), freq);
    line.replace(7, station.size(), station);
    line.replace(29, time.size(), time);
    return line + "\n";
}

}  // namespace zofar::test
