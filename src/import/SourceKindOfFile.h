#pragma once

#include <string>

namespace zofar {

/// The id of the source kind (SourceKinds) a file seems to be, by its name's extension in any
/// letter case: of the kinds taking that extension, the first whose check accepts the file's
/// content, else the first without a check; the default kind (ILG text) when none fits.
int SourceKindOfFile(const std::string& path);

}  // namespace zofar
