#pragma once

#include <memory>
#include <string_view>

#include "import/ImportUi.h"

namespace zofar {

inline constexpr std::string_view kImportProgressCaption = "ZOFAR  Creating a new Database";

/// The progress window every import shows, under kImportProgressCaption; a silent stand-in
/// when the screen shows none, so the result is never null.
std::unique_ptr<ImportProgress> OpenProgressWindow(ImportUi& ui);

}  // namespace zofar
