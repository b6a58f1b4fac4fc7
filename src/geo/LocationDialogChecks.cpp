#include "geo/LocationDialogChecks.h"

#include "geo/MaidenheadLocator.h"

namespace zofar {

namespace {

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

LocationCheckOutcome Refused(std::string message, LocationField focus) {
    LocationCheckOutcome outcome;
    outcome.message = std::move(message);
    outcome.focus = focus;
    return outcome;
}

}  // namespace

LocationEntry EntryFor(const LocationSetting& setting) {
    LocationEntry entry;
    entry.locator = setting.locator;
    if (setting.location) {
        entry.latitude = FormatDecimalDegrees(setting.location->latitude);
        entry.longitude = FormatDecimalDegrees(setting.location->longitude);
    }
    return entry;
}

bool DegreeFieldsInUse(const std::string& locator) { return IsBlank(locator); }

LocationCheckOutcome CheckLocationEntry(const LocationEntry& entry) {
    LocationCheckOutcome outcome;
    if (!DegreeFieldsInUse(entry.locator)) {
        LocationReading reading = ReadLocator(entry.locator);
        if (!reading.location) return Refused(std::move(reading.message), LocationField::Locator);
        outcome.accepted = true;
        outcome.setting = {entry.locator, reading.location};
        return outcome;
    }
    if (IsBlank(entry.latitude) && IsBlank(entry.longitude)) {
        outcome.accepted = true;
        return outcome;
    }
    LocationReading reading = ReadDecimalLocation(entry.latitude, entry.longitude);
    if (!reading.location) {
        const bool latitudeReads = ReadDecimalLatitude(entry.latitude).has_value();
        return Refused(std::move(reading.message), latitudeReads ? LocationField::Longitude : LocationField::Latitude);
    }
    outcome.accepted = true;
    outcome.setting = {"", reading.location};
    return outcome;
}

}  // namespace zofar
