#pragma once

#include <string>
#include <string_view>

#include "import/ImportUi.h"
#include "store/BroadcastRecord.h"
#include "store/RecordStore.h"

namespace zofar {

inline constexpr std::string_view kIlgDbaseEmptyMessage = "The ILG database is empty!";

/// Reads the ILG dBASE table `sourceFolder` + `fileName` and hands one record per selected row
/// with a valid UTC text to `sink`, under the progress window. Rows marked deleted, and rows
/// whose STATION is Null or begins with "=" or the broken bar, are not selected. No selected
/// row: "The ILG database is empty!" through `ui`, false. Any other failure (the table cannot be
/// opened or read, a column is missing, a text does not convert) is reported once through
/// `errors`, false; a record the sink refuses has been reported by the sink. Neither begins nor
/// ends a transaction nor closes the store.
bool ImportIlgDbase(const std::string& sourceFolder, const std::string& fileName, RecordSink& sink, ImportUi& ui,
                    StoreErrorReporter& errors);

}  // namespace zofar
