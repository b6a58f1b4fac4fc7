#include "chart/BandPresets.h"

#include <array>

namespace zofar {
namespace {

constexpr std::array<BandPreset, 17> kPresets{{
    {"all", "All frequencies", {0.0, 30000.0}},
    {"LW", "Longwave", {148.5, 283.5}},
    {"MW", "Mediumwave", {526.5, 1606.5}},
    {"120m", "120 m", {2300.0, 2495.0}},
    {"90m", "90 m", {3200.0, 3400.0}},
    {"75m", "75 m", {3900.0, 4000.0}},
    {"60m", "60 m", {4750.0, 5060.0}},
    {"49m", "49 m", {5900.0, 6200.0}},
    {"41m", "41 m", {7200.0, 7450.0}},
    {"31m", "31 m", {9400.0, 9900.0}},
    {"25m", "25 m", {11600.0, 12100.0}},
    {"22m", "22 m", {13570.0, 13870.0}},
    {"19m", "19 m", {15100.0, 15800.0}},
    {"16m", "16 m", {17480.0, 17900.0}},
    {"15m", "15 m", {18900.0, 19020.0}},
    {"13m", "13 m", {21450.0, 21850.0}},
    {"11m", "11 m", {25670.0, 26100.0}},
}};

}  // namespace

std::span<const BandPreset> BandPresets() { return kPresets; }

const BandPreset* FindBandPreset(std::string_view name) {
    for (const BandPreset& preset : kPresets) {
        if (preset.name == name) return &preset;
    }
    return nullptr;
}

}  // namespace zofar
