#pragma once

#include <string>
#include <string_view>

namespace zofar {

/// Replaces the file at `path` with `contents` so that a reader sees either the old file or the
/// new one whole: the bytes go to a temporary file in the same folder, which is flushed to disk
/// and renamed over the old file; then the folder entry is flushed. A symbolic link at `path`
/// is followed, so its target is replaced and the link stays. The new file keeps the old one's
/// permissions (0644 for a new file).
///
/// When `keepOldSuffix` is not empty and a file exists, the old file is kept beside the new one
/// under its name followed by that suffix (replacing an earlier copy) before it is replaced.
///
/// Returns false, leaving the old file as it was, when any step fails or `path` names something
/// other than a regular file.
bool WriteFileAtomically(const std::string& path, std::string_view contents, std::string_view keepOldSuffix = {});

}  // namespace zofar
