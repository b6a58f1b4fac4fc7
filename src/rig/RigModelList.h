#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zofar {

/// One rig model Hamlib knows, as `rigctl -l` lists it.
struct RigModel {
    int number = 0;
    std::string manufacturer;
    std::string model;
    std::string version;
    std::string status;

    bool operator==(const RigModel&) const = default;
};

/// Reads the output of `rigctl -l`: a header line naming the columns ("Rig #", "Mfg",
/// "Model", "Version", "Status", maybe more), then one model a line in those columns. Without
/// the header the columns are taken as separated by two blanks or more. A line that does not
/// start with a positive model number is passed over; so is everything after the first 1 MiB.
std::vector<RigModel> ParseRigModelList(std::string_view text);

/// True when every blank-separated word of `filter` occurs in the model's number,
/// manufacturer or model name, ignoring the case of ASCII letters. An empty filter matches all.
bool RigModelMatches(const RigModel& model, std::string_view filter);

/// "1  Hamlib Dummy": the number, then manufacturer and model name.
std::string RigModelLabel(const RigModel& model);

}  // namespace zofar
