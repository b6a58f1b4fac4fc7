#pragma once

#include <string>

#include "geo/ListenerLocation.h"

namespace zofar {

/// The Listener Location dialog's fields.
enum class LocationField { None, Locator, Latitude, Longitude };

/// The fields as the user left them.
struct LocationEntry {
    std::string locator;
    std::string latitude;
    std::string longitude;
};

/// What pressing OK leads to.
struct LocationCheckOutcome {
    bool accepted = false;
    LocationSetting setting;  ///< meaningful only when accepted
    std::string message;      ///< the failure's message; empty when accepted
    LocationField focus = LocationField::None;
};

/// The fields the dialog opens with: the locator as stored and the location in decimal degrees
/// (the locator's centre when there is one), all empty when no location is set.
LocationEntry EntryFor(const LocationSetting& setting);

/// True when the latitude and longitude fields take input: only while the locator field is blank,
/// since a locator, when given, is the location.
bool DegreeFieldsInUse(const std::string& locator);

/// The OK checks: a locator that is not blank must read (it then is the location, and the degree
/// fields are not looked at); otherwise latitude and longitude must both read, or both be blank,
/// which clears the location. The first failing field gets the message and the focus.
LocationCheckOutcome CheckLocationEntry(const LocationEntry& entry);

}  // namespace zofar
