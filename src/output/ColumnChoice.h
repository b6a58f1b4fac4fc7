#pragma once

#include <string>
#include <vector>

#include "output/OutputColumns.h"
#include "view/ColumnLayout.h"

namespace zofar {

/// What the clipboard and print dialogs offer of the columns: one entry per display position,
/// and the check-list lines in display order.
struct ColumnChoice {
    struct Position {
        int column = -1;   ///< the field shown at this position; -1 when it is hidden
        std::string name;  ///< the field name in capitals ("MODU"), empty when hidden
        bool checked = false;
    };
    std::vector<Position> positions;
    /// The display positions of the offered lines, left to right in the list; line i of the
    /// check list is positions[offered[i]].
    std::vector<int> offered;
};

/// The choice of the columns the layout shows for a database with `columns`, checked as
/// `flags` says. A hidden column (width below 8 pixels) is not offered.
ColumnChoice BuildColumnChoice(const ColumnLayout& layout, const ColumnFlags& flags, ColumnSet columns = {});

/// Writes the check states of the offered lines (`checks[i]` for line i) back into `flags`.
/// Hidden columns keep their flags; so do the columns of lines that `checks` does not reach.
void StoreColumnChoice(const ColumnChoice& choice, const std::vector<bool>& checks, ColumnFlags& flags);

}  // namespace zofar
