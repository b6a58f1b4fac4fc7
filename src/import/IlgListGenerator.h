#pragma once

#include <cstdint>
#include <iosfwd>
#include <random>
#include <string>

namespace zofar {

/// Makes synthetic ILG text lists in the 297-column layout: invented stations, sites and
/// schedules, for tests, benchmarks and the sample list. The same seed and share give the same
/// bytes with every compiler and standard library (only the engine's raw output is used).
class IlgListGenerator {
public:
    /// `malformedShare` (0 to 1) is the part of the lines, after the first, that are broken on
    /// purpose: blank, short, over-long, wrong separator, letters in the frequency or the times,
    /// a left-aligned frequency, odd target-area slots, control bytes, binary garbage. The first
    /// line is always a complete data line, so an import never asks about it.
    explicit IlgListGenerator(std::uint32_t seed, double malformedShare = 0.0);

    /// The next line as CP1252 bytes with its line end (LF; a few broken lines use CR LF).
    std::string NextLine();

    /// Writes the next `lineCount` lines; false when the stream fails.
    bool Write(std::ostream& out, std::int64_t lineCount);

private:
    /// 0 .. n-1 by plain modulo, which every library computes alike.
    std::uint32_t Below(std::uint32_t n);
    std::string DataLine();
    std::string BrokenLine();

    std::mt19937 rng_;
    std::uint32_t malformedPerMillion_;
    std::int64_t linesMade_ = 0;
};

}  // namespace zofar
