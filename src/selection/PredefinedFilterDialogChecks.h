#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "selection/FilterCriteria.h"
#include "selection/PredefinedFilterOperations.h"

namespace zofar {

/// The captions, messages and checks of the three named-filter dialogs, free of any toolkit.
class PredefinedFilterDialogChecks {
public:
    static constexpr std::string_view kSelectCaption = "ZOFAR  Select a Predefined Filter";
    static constexpr std::string_view kManageCaption = "ZOFAR  Manage the Predefined Filters";
    static constexpr std::string_view kNameCaption = "ZOFAR  Enter Filter Name";

    static constexpr std::string_view kSelectFilter = "Please select a filter.";
    static constexpr std::string_view kSelectInsertAfter = "Please select a filter in the list box to insert after.";
    static constexpr std::string_view kSelectToDelete = "Please select a filter to be deleted.";
    static constexpr std::string_view kConfirmDelete = "Do you really want to delete the selected filter?";
    static constexpr std::string_view kEnterName = "Please enter a filter name!";
    static constexpr std::string_view kFilterTooLong =
        "The filter is too long to be stored: its name and texts together are longer than a line of the "
        "filter file.\nPlease enter a shorter name, or shorten the texts of the filter.";

    /// A list box's lines: the names from index 0 up to the first index without an entry.
    static std::vector<std::string> ListNames(const PredefinedFilterOperations& operations);

    /// The Select dialog's OK with list box line `selected` (-1 for none) of `lineCount`: the
    /// message that keeps the dialog open, or nothing when it closes. OK in an empty list
    /// closes.
    static std::optional<std::string> CheckSelection(int selected, int lineCount);

    /// The Enter Filter Name dialog's OK for a filter holding `current`: the message that keeps
    /// the dialog open, or nothing when the name is taken as typed. Refused are an empty name,
    /// a name that cannot be stored on its line, and a filter whose line would be longer than
    /// the file's reader takes in one piece (it would come back as several broken filters).
    static std::optional<std::string> CheckFilterName(const std::string& name, const FilterCriteria& current);
};

}  // namespace zofar
