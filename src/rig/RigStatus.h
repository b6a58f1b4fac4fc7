#pragma once

#include <optional>
#include <string>

#include "rig/RigSettings.h"
#include "rig/RigStateReport.h"

namespace zofar {

/// What the window shows of the rig connection: the status bar pane's text and tip, and the
/// one status line an event is worth. Fed by the bridge's reports and its supervisor.
class RigStatus {
public:
    explicit RigStatus(RigSettings settings = {}, std::string linkName = {});

    /// "Rig: 9,410.000 kHz", "Rig: not connected", "Rig: no rig server at HOST:PORT", ...
    const std::string& PaneText() const { return pane_; }
    /// Names the rig server, and the rigctld ZOFAR starts when it does.
    std::string ToolTip() const;

    /// The connection is off, or on and the bridge not yet heard from.
    void NotConnected();
    /// A report of the bridge; the status line it is worth, if any.
    std::optional<std::string> Apply(const RigStateReport& report);
    /// A program of the connection failed (`what`, one line); the pane says so, and so does the
    /// status line, once for as long as the same failure repeats.
    std::optional<std::string> Failed(const std::string& what);

private:
    RigSettings settings_;
    std::string linkName_;
    std::string pane_;
    std::string lastFailure_;
    bool noServer_ = false;
};

}  // namespace zofar
