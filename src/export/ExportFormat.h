#pragma once

#include <array>
#include <string_view>

namespace zofar {

/// The kinds of file the Export command writes, in the order of the dialog's radio buttons.
enum class ExportFormat : int { Csv = 0, Gqrx = 1, Sdrpp = 2 };

inline constexpr int kExportFormatCount = 3;

/// The radio buttons' texts, by format.
inline constexpr std::array<std::string_view, kExportFormatCount> kExportFormatNames{"CSV", "gqrx bookmarks",
                                                                                     "SDR++ frequency list"};

}  // namespace zofar
