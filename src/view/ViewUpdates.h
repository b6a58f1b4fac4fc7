#pragma once

#include <optional>

#include "store/ListRows.h"

namespace zofar {

/// How the list shows the current position: the row to select, then two rows to scroll into
/// view one after the other so that the selected row ends near the middle of the screen.
struct CentringPlan {
    int selectRow = 0;
    int scrollFirst = 0;
    int scrollThen = 0;
};

/// The list's decisions that do not depend on the toolkit.
class ViewUpdates {
public:
    /// View update 3. Nothing when there is no position and the on-air-now filter is active, so
    /// a list that follows the clock keeps its selection and scroll position; without the
    /// filter a missing position shows the first row.
    static std::optional<CentringPlan> PlanShowCurrent(int currentPosition, bool onAirNowActive, int rowCount,
                                                       int rowsPerPage);

    /// The first and last row on the screen, and the selected row (-1 for none).
    static ListRows ScreenRows(int selectedRow, int firstVisible, int rowsPerPage, int rowCount);
};

}  // namespace zofar
