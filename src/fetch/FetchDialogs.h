#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fetch/HttpTransfer.h"

namespace zofar {

/// What the Download schedule dialog shows and hands back.
struct FetchChoices {
    std::string source;     ///< a ScheduleSource's name
    std::string season;     ///< as typed: "b26"
    std::string folderUrl;  ///< the folder holding the season's files
};

/// The dialog's starting values, and each source's folder (in the order of ScheduleSources())
/// for when the user picks another source.
struct FetchDialogInput {
    FetchChoices choices;
    std::vector<std::string> folderOfSource;
};

/// Runs the download the user asked for, with the dialog's progress display; true when the
/// dialog is done (downloaded, current, or cancelled), false to keep it open after a failure.
using DownloadAction = std::function<bool(const FetchChoices&, DownloadProgress&)>;

/// What Database > Download schedule asks of the screen. The defaults do nothing: a screen
/// without them never downloads.
class FetchDialogs {
public:
    virtual ~FetchDialogs() = default;
    /// The Download schedule dialog, filled from `input`; each time the user asks, `download`
    /// runs while the dialog shows its progress, until it answers true or the user cancels.
    virtual void RunDownloadScheduleDialog(const FetchDialogInput& /*input*/, const DownloadAction& /*download*/) {}
    /// The client downloads go through; null for none.
    virtual HttpTransfer* ScheduleTransfer() { return nullptr; }
};

/// What is wrong with the dialog's values, or nothing when they can be downloaded.
std::optional<std::string> CheckFetchChoices(const FetchChoices& choices);

}  // namespace zofar
