#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zofar {

/// What the Create dialog hands back on OK.
struct CreateDatabaseRequest {
    std::string name;
    std::string sourcePath;      ///< full path of the chosen list
    std::string sourceFolder;    ///< the path up to and including its last '/'
    std::string sourceFileName;  ///< the file name with its extension
    /// The id of the list's kind in the source-kind table (import/SourceKinds.h); 0 is the ILG
    /// text list.
    int sourceKind = 0;
    /// The kind's code tables (EiBi's README.TXT, a folder of HFCC's tables); empty: the kind
    /// finds its own.
    std::string codesPath;
    bool replace = false;  ///< the user agreed to replace an existing database
};

/// The dialogs of the Database menu. The defaults answer Cancel.
class DatabaseDialogs {
public:
    virtual ~DatabaseDialogs() = default;

    /// The database to open or delete, chosen from `names`, the line of `current` (or else the
    /// first line) selected when the dialog opens; nothing on Cancel.
    virtual std::optional<std::string> RunSelectDatabaseDialog(const std::string& /*caption*/,
                                                               const std::vector<std::string>& /*names*/,
                                                               const std::string& /*current*/) {
        return std::nullopt;
    }
    /// The Create dialog for databases in `databaseFolder`; nothing on Cancel.
    virtual std::optional<CreateDatabaseRequest> RunCreateDatabaseDialog(const std::string& /*databaseFolder*/) {
        return std::nullopt;
    }
};

}  // namespace zofar
