#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "import/ImportUi.h"
#include "store/BroadcastRecord.h"
#include "store/RecordStore.h"

namespace zofar {

/// What an import of any kind is given.
struct SourceImport {
    std::string sourceFolder;    ///< the list's folder, ending with '/'
    std::string sourceFileName;  ///< the list's file name
    std::string codesPath;       ///< the kind's code tables chosen by the user; empty: the kind looks itself
    RecordSink& sink;
    ImportUi& ui;
    StoreErrorReporter& errors;

    std::string Path() const { return sourceFolder + sourceFileName; }
};

/// Fills `sink` from the list. Nothing after a failure (already reported to the user); else the
/// status text to show after "Ready", empty when the kind has none.
using SourceImportFunction = std::optional<std::string> (*)(const SourceImport&);

/// What a kind's `codesPath` names.
enum class CodesArgument {
    None,    ///< the kind has no code tables apart from its list
    File,    ///< one file of tables
    Folder,  ///< a folder holding the tables by their usual names
};

/// One kind of list a database can be made from.
struct SourceKind {
    std::string_view label;          ///< the Create dialog's radio button
    std::string_view fieldLabel;     ///< the Create dialog's source group while the kind is chosen
    std::string_view chooserTitle;   ///< the file dialog's caption
    std::string_view chooserFilter;  ///< the file dialog's filter
    std::string_view commandName;    ///< zofar-cli's --kind value
    /// The file name endings, lower case, blank-separated (".txt .zip"); "" for none.
    std::string_view extensions;
    /// Whether a file with one of the extensions is this kind's; nullptr: every such file is.
    /// A kind with a check wins over one without for the same extension.
    bool (*holdsList)(const std::string& path);
    CodesArgument codes;
    std::string_view codesHelp;  ///< what --codes names for this kind
    bool extensionColumns;       ///< its databases store the extension columns
    /// Its import ends with the counts of records stored and lines skipped as status text.
    bool countsLines;
    SourceImportFunction import;
};

/// The kinds in the order the Create dialog shows them; a kind's id is its position. The first
/// is the ILG text list: the dialog's default and the first start's sample list.
std::span<const SourceKind> SourceKinds();

inline constexpr int kDefaultSourceKind = 0;

/// The kind of id `id`; the default kind for an id outside the table.
const SourceKind& SourceKindOf(int id);

/// The id of the kind whose command-line name is `name`; nothing for an unknown name.
std::optional<int> SourceKindNamed(std::string_view name);

}  // namespace zofar
