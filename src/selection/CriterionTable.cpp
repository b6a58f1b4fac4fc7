#include "selection/CriterionTable.h"

#include <algorithm>

namespace zofar {

namespace {

using C = FilterCriteria;
using F = FilterDialogField;
using M = CriterionMatch;

constexpr CriterionValue Pattern(std::string C::*member, std::string_view key, std::size_t field, F edit) {
    return {nullptr, member, key, {}, field, edit};
}

constexpr CriterionValue Time(std::string C::*member, std::string_view key, std::string_view fallback,
                              std::size_t field, F edit) {
    return {nullptr, member, key, fallback, field, edit};
}

constexpr CriterionValue Frequency(double C::*member, std::string_view key, std::string_view fallback,
                                   std::size_t field, F edit) {
    return {member, nullptr, key, fallback, field, edit};
}

// The criteria in the filter dialog's order. Each row: label and dialog caption; flag, its settings
// key and its field in a predefined filter's line, match, column, place of its piece in the condition;
// values (member, settings key, settings default, field, dialog edit).
// clang-format off
constexpr std::array<Criterion, kCriterionCount> kCriteria{{
    {"Frequency", "&Frequency (KHz)",
     &C::BFFrequency,  "BFFrequency",  1,  M::FrequencyRange, "FREQ",     0,
     {Frequency(&C::FFrequency1, "FFrequency1", "0.0", 17, F::Frequency1),
      Frequency(&C::FFrequency2, "FFrequency2", "1000000.0", 18, F::Frequency2)}},
    {"Station", "&Station [1,2]",
     &C::BFStation,    "BFStation",    2,  M::FollowsSwitch,  "STATION",  1,
     {Pattern(&C::FStation, "FStation", 19, F::Station)}},
    {"Stn", "St&n [1,2]",
     &C::BFStn,        "BFStn",        12, M::FollowsSwitch,  "STN",      9,
     {Pattern(&C::FStn, "FStn", 29, F::Stn)}},
    {"Location", "&Location [1,2]",
     &C::BFLocation,   "BFLocation",   14, M::FollowsSwitch,  "LOCATION", 11,
     {Pattern(&C::FLocation, "FLocation", 31, F::Location)}},
    {"Country", "Countr&y [1,2]",
     &C::BFCountry,    "BFCountry",    3,  M::FollowsSwitch,  "COUNTRY",  2,
     {Pattern(&C::FCountry, "FCountry", 20, F::Country)}},
    {"Country code (ITU)", "Country code (&ITU) [1]",
     &C::BFItu,        "BFItu",        4,  M::AlwaysExact,    "ITU",      3,
     {Pattern(&C::FItu, "FItu", 21, F::Itu)}},
    {"Location code (LC)", "L&ocation code (LC) [1]",
     &C::BFLc,         "BFLc",         13, M::AlwaysExact,    "LC",       10,
     {Pattern(&C::FLc, "FLc", 30, F::Lc)}},
    {"Target area", "&Target area [1,2]",
     &C::BFTargetarea, "BFTargetarea", 6,  M::FollowsSwitch,  "TARGETAR", 5,
     {Pattern(&C::FTargetarea, "FTargetarea", 23, F::Targetarea)}},
    {"Language", "Lan&guage [1,2]",
     &C::BFLanguage,   "BFLanguage",   5,  M::FollowsSwitch,  "LANGUAGE", 4,
     {Pattern(&C::FLanguage, "FLanguage", 22, F::Language)}},
    {"Status", "Stat&us [1]",
     &C::BFStatus,     "BFStatus",     10, M::AlwaysExact,    "STATUS",   7,
     {Pattern(&C::FStatus, "FStatus", 27, F::Status)}},
    {"Program structure (P)", "&Program structure (P) [1]",
     &C::BFP,          "BFP",          11, M::AlwaysExact,    "P",        8,
     {Pattern(&C::FP, "FP", 28, F::P)}},
    {"Start", "Start ti&me (UTC)",
     &C::BFTime,       "BFTime",       9,  M::TimeRange,      "START",    12,
     {Time(&C::FStart, "FStart", "00:00", 25, F::Start),
      Time(&C::FEnd, "FEnd", "23:59", 26, F::End)}},
    {"Days", "&Days [1,2]",
     &C::BFDay,        "BFDay",        7,  M::FollowsSwitch,  "DAYS",     6,
     {Pattern(&C::FDay, "FDay", 24, F::Day)}},
    {"On air", "Stations \"On Ai&r\" only",
     &C::BFOnair,      "BFOnair",      8,  M::OnAir,          "",         13,
     {Time(&C::FOnairTime, "FOnairTime", "00:00", 32, F::OnairTime)}},
}};
// clang-format on

constexpr std::array<CriterionSwitch, 2> kSwitches{{
    {&C::BFExactMatch, "BFExactMatch", 0, 15},
    {&C::BFOnairNow, "BFOnairNow", 1, 16},
}};

constexpr std::array<const Criterion*, kCriterionCount> BuildConditionOrder() {
    std::array<const Criterion*, kCriterionCount> order{};
    for (const Criterion& c : kCriteria) {
        if (c.conditionPosition < order.size()) order[c.conditionPosition] = &c;
    }
    return order;
}

constexpr std::array<StoredField, kStoredFieldCount> BuildStoredFields() {
    std::array<StoredField, kStoredFieldCount> fields{};
    // Field 0 of a predefined filter's line is its name, which the settings do not store.
    const auto put = [&fields](std::size_t field, const StoredField& stored) {
        if (field >= 1 && field <= fields.size()) fields[field - 1] = stored;
    };
    for (const Criterion& c : kCriteria) {
        put(c.flagField, {c.flagKey, c.flag, nullptr, nullptr, 0, {}, false});
        const bool isTime = c.match == M::TimeRange || c.match == M::OnAir;
        for (const CriterionValue& v : c.Values()) {
            put(v.field, {v.key, nullptr, v.number, v.text, 0, v.settingsDefault, isTime});
        }
    }
    for (const CriterionSwitch& s : kSwitches)
        put(s.field, {s.key, s.member, nullptr, nullptr, s.settingsDefault, {}, false});
    return fields;
}

constexpr std::array<const Criterion*, kCriterionCount> kConditionOrder = BuildConditionOrder();
constexpr std::array<StoredField, kStoredFieldCount> kStoredFields = BuildStoredFields();

constexpr std::size_t CountStoredFields() {
    std::size_t count = kSwitches.size();
    for (const Criterion& c : kCriteria) count += 1 + c.Values().size();
    return count;
}

static_assert(CountStoredFields() == kStoredFieldCount);
// A place given twice leaves another one empty, so "none empty" proves each is given once.
static_assert(std::ranges::none_of(kConditionOrder, [](const Criterion* c) { return c == nullptr; }),
              "every criterion has its own place in the condition");
static_assert(std::ranges::none_of(kStoredFields, [](const StoredField& f) { return f.key.empty(); }),
              "every stored field has its own place");

}  // namespace

std::span<const Criterion, kCriterionCount> CriterionTable() { return kCriteria; }

std::span<const Criterion* const, kCriterionCount> CriteriaInConditionOrder() { return kConditionOrder; }

std::span<const CriterionSwitch> CriterionSwitches() { return kSwitches; }

std::span<const StoredField, kStoredFieldCount> StoredFields() { return kStoredFields; }

}  // namespace zofar
