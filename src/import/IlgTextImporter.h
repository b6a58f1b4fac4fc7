#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

#include "import/IlgLineParser.h"
#include "import/ImportUi.h"
#include "import/OpenProgressWindow.h"
#include "store/BroadcastRecord.h"

namespace zofar {

inline constexpr std::string_view kIlgOpenErrorMessage = "Error opening the ILG source file!";
inline constexpr std::string_view kIlgNotAListQuestion =
    "The input file seems to be no ILG source file.\nDo you want to continue reading it?";

/// Longest read of the list, line end included; a longer line continues as a read of its own.
inline constexpr std::size_t kIlgMaxRead = 511;
/// A first read shorter than this (line end included) makes the import ask before going on.
inline constexpr std::size_t kIlgMinFirstRead = 296;

/// Reads the ILG text list `sourceFolder` + `fileName` (CP1252) and hands one record per line
/// with a valid time field to `sink`, under the progress window. False on any failure, after
/// the message that belongs to it (none for an empty file or a No to the first-line question;
/// the sink reports its own errors). Neither begins nor ends a transaction nor closes the store.
bool ImportIlgText(const std::string& sourceFolder, const std::string& fileName, RecordSink& sink, ImportUi& ui);

/// The same import over an open stream, read from its current position. The stream is read
/// twice (once to count the lines), so it must be seekable; one that is not fails like an
/// unreadable file.
bool ImportIlgTextStream(std::istream& in, RecordSink& sink, ImportUi& ui);

}  // namespace zofar
