#include "rig/RigStatus.h"

#include <utility>

namespace zofar {

namespace {

constexpr const char* kPrefix = "Rig: ";

std::string Khz(std::int64_t hz) { return FormatKhzWithSeparators(hz) + " kHz"; }

}  // namespace

RigStatus::RigStatus(RigSettings settings, std::string linkName)
    : settings_(std::move(settings)), linkName_(std::move(linkName)) {
    NotConnected();
}

std::string RigStatus::ToolTip() const {
    std::string tip = "Rig server: " + RigServerText(settings_.host, settings_.port);
    if (settings_.startRigctld) {
        tip += "\nrigctld started by ZOFAR, rig model " + std::to_string(settings_.model);
        if (!settings_.device.empty()) tip += " at " + settings_.device;
    }
    if (!linkName_.empty()) tip += "\nBridge: zofar-rig, found as " + linkName_;
    return tip;
}

void RigStatus::NotConnected() {
    pane_ = std::string(kPrefix) + "not connected";
    noServer_ = false;
}

std::optional<std::string> RigStatus::Apply(const RigStateReport& report) {
    const std::string server = RigServerText(settings_.host, settings_.port);
    switch (report.kind) {
    case RigReportKind::Connected:
        lastFailure_.clear();
        noServer_ = false;
        pane_ = kPrefix + (report.hz ? Khz(*report.hz) : "connected to " + server);
        return std::nullopt;
    case RigReportKind::NoServer:
        lastFailure_.clear();
        noServer_ = true;
        pane_ = kPrefix + ("no rig server at " + server);
        return std::nullopt;
    case RigReportKind::TuneFailed: {
        const std::string why = noServer_ ? ": no rig server at " + server : "";
        pane_ = kPrefix + ("could not tune to " + Khz(report.hz.value_or(0)) + why);
        return "The rig could not be tuned to " + Khz(report.hz.value_or(0)) + why + ".";
    }
    case RigReportKind::FindIgnored:
        return "The rig keeps no station list; Find/Create station leaves it as it is. Tune tunes it to " +
               Khz(report.hz.value_or(0)) + ".";
    }
    return std::nullopt;
}

std::optional<std::string> RigStatus::Failed(const std::string& what) {
    pane_ = kPrefix + what;
    noServer_ = false;
    if (what == lastFailure_) return std::nullopt;
    lastFailure_ = what;
    return "Rig connection: " + what;
}

}  // namespace zofar
