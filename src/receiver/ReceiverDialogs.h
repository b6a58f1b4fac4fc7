#pragma once

#include <optional>
#include <string>

#include "geo/ListenerLocation.h"

namespace zofar {

/// The dialogs of the Receiver menu: the receiver control program's name and the listener's
/// location. The defaults answer Cancel.
class ReceiverDialogs {
public:
    virtual ~ReceiverDialogs() = default;

    /// "ZOFAR  Receiver Control Program" holding `name`; the text as the user left it (empty
    /// allowed, nothing checked), nothing on Cancel.
    virtual std::optional<std::string> RunReceiverProgramDialog(const std::string& /*name*/) { return std::nullopt; }
    /// "ZOFAR  Listener Location" holding `current`; the location the user set (none to forget
    /// it), nothing on Cancel.
    virtual std::optional<LocationSetting> RunLocationDialog(const LocationSetting& /*current*/) { return std::nullopt; }
};

}  // namespace zofar
