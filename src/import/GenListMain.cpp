// zofar-genlist: writes a synthetic ILG text list for tests, benchmarks and the sample list.
//
//   zofar-genlist [--seed N] [--malformed PERCENT] LINES OUTPUT
//
// The same arguments always give the same file. res/sample/sample-list.txt is
//   zofar-genlist --seed 1967 400 res/sample/sample-list.txt

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>

#include "import/IlgListGenerator.h"

namespace {

constexpr std::string_view kUsage =
    "usage: zofar-genlist [--seed N] [--malformed PERCENT] LINES OUTPUT\n"
    "  writes LINES lines of a synthetic ILG text list (CP1252, LF line ends) to OUTPUT;\n"
    "  --seed N            seed of the generator (default 1)\n"
    "  --malformed PERCENT share of deliberately broken lines after the first, 0-100 (default 0)\n";

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

int Fail(std::string_view message) {
    std::cerr << "zofar-genlist: " << message << "\n" << kUsage;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::uint32_t seed = 1;
    double malformedPercent = 0.0;
    std::int64_t lines = -1;
    std::string output;

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--seed" || arg == "--malformed") {
            if (i + 1 >= argc) return Fail(std::string(arg) + " needs a value");
            const std::string_view value = argv[++i];
            const bool ok = arg == "--seed" ? ParseNumber(value, seed) : ParseNumber(value, malformedPercent);
            if (!ok || !(malformedPercent >= 0.0 && malformedPercent <= 100.0)) {
                return Fail("bad value for " + std::string(arg) + ": " + std::string(value));
            }
        } else if (lines < 0) {
            if (!ParseNumber(arg, lines) || lines < 0) return Fail("bad line count: " + std::string(arg));
        } else if (output.empty()) {
            output = arg;
        } else {
            return Fail("too many arguments");
        }
    }
    if (lines < 0 || output.empty()) return Fail("LINES and OUTPUT are required");

    // Written beside the target and renamed over it, so an interrupted run leaves no half list.
    const std::string temporary = output + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return Fail("cannot write " + temporary);
        zofar::IlgListGenerator generator(seed, malformedPercent / 100.0);
        if (!generator.Write(out, lines) || !out.flush()) {
            std::remove(temporary.c_str());
            return Fail("writing " + temporary + " failed");
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, output, ec);
    if (ec) {
        std::remove(temporary.c_str());
        return Fail("cannot rename " + temporary + " to " + output + ": " + ec.message());
    }
    return 0;
}
