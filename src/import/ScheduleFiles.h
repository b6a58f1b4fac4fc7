#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zofar {

/// What a schedule import reads: the schedule and the code tables found for it.
struct ScheduleFiles {
    std::string schedule;                       ///< the schedule's bytes as written
    std::map<std::string, std::string> tables;  ///< bytes by the table's name as asked for; missing ones absent
};

/// How to find a kind's files and what to say when they are not there.
struct ScheduleFileRules {
    bool (*isSchedule)(std::string_view head);  ///< whether a text beginning with `head` is the kind's list
    std::span<const std::string_view> tables;   ///< lower-case file names of the code tables
    std::string_view openError;                 ///< the list cannot be read
    std::string_view listWords;                 ///< "HFCC schedule": what a zip is searched for
};

/// The bytes looked at to tell a kind's list from others.
inline constexpr std::size_t kScheduleHeadBytes = 4096;

/// Reads the list at `path`: a zip (told by its content, whatever its name) gives its first
/// entry without a folder that `rules.isSchedule` accepts, any other file is the list itself.
/// Each table comes from `codesFolder` when it is not empty, else from the zip, else from
/// beside `path`, its name in any letter case. Neither the list nor an entry may exceed
/// `maxBytes`. On failure `message` says why (to show the user) and nothing is returned.
std::optional<ScheduleFiles> ReadScheduleFiles(const std::string& path, const std::string& codesFolder,
                                               const ScheduleFileRules& rules, std::size_t maxBytes,
                                               std::string& message);

/// The same with the list's bytes already read (a zip or the list) and tables looked for in
/// `besideFolder` ("" for nowhere) after the zip.
std::optional<ScheduleFiles> ScheduleFilesFromBytes(std::string bytes, const std::string& besideFolder,
                                                    const std::string& codesFolder, const ScheduleFileRules& rules,
                                                    std::size_t maxBytes, std::string& message);

/// Whether `path` is a zip holding a list `rules.isSchedule` accepts, or another file whose
/// beginning it accepts.
bool HoldsSchedule(const std::string& path, bool (*isSchedule)(std::string_view head));

/// The file in `folder` named `name` in any letter case (the exact spelling first); "" when none.
std::string FindFileIgnoringCase(const std::string& folder, std::string_view name);

}  // namespace zofar
