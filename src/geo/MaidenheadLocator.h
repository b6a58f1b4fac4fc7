#pragma once

#include <string>
#include <string_view>

#include "geo/ListenerLocation.h"

namespace zofar {

/// A Maidenhead locator of 4 characters (field and square, "JO62") or 6 characters (with the
/// subsquare, "JO62qm"), letters in any case, blanks around it allowed. The location is the centre
/// of the square or subsquare. A malformed text gives NotALocatorMessage.
LocationReading ReadLocator(std::string_view text);

/// "The locator "XY" is not a Maidenhead locator of 4 or 6 characters, such as JO62qm."
std::string NotALocatorMessage(std::string_view text);

}  // namespace zofar
