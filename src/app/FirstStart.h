#pragma once

#include <string>
#include <string_view>

#include "store/DatabaseDialogs.h"

namespace zofar {

/// The database the bundled sample list becomes on the first start.
inline constexpr std::string_view kSampleDatabaseName = "SAMPLE";

/// Shown in the status bar once the sample is open, so nobody takes its stations for a schedule.
inline constexpr std::string_view kSampleStatusText =
    "SAMPLE holds 400 invented transmissions for trying ZOFAR; Database > Create... imports a real schedule.";

/// True on the program's first start: nothing at all at `settingsFile` (an empty or unreadable
/// file counts as the user's) and no database in `databaseFolder`.
bool IsFirstStart(const std::string& settingsFile, const std::string& databaseFolder);

/// What Create is given to import the ILG text list at `sampleList` as kSampleDatabaseName.
CreateDatabaseRequest SampleDatabaseRequest(const std::string& sampleList);

}  // namespace zofar
