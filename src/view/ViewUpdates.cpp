#include "view/ViewUpdates.h"

#include <algorithm>

namespace zofar {

std::optional<CentringPlan> ViewUpdates::PlanShowCurrent(int currentPosition, bool onAirNowActive, int rowCount,
                                                         int rowsPerPage) {
    if (currentPosition < 0) {
        if (onAirNowActive) return std::nullopt;
        currentPosition = 0;
    }
    const int half = (rowsPerPage - 1) / 2;
    CentringPlan plan;
    plan.selectRow = currentPosition;
    plan.scrollFirst = std::min(currentPosition + half, rowCount - 1);
    plan.scrollThen = std::max(currentPosition - half, 0);
    return plan;
}

ListRows ViewUpdates::ScreenRows(int selectedRow, int firstVisible, int rowsPerPage, int rowCount) {
    ListRows rows;
    rows.selected = selectedRow;
    rows.firstVisible = firstVisible;
    rows.lastVisible = std::min(rowCount - 1, firstVisible + rowsPerPage - 1);
    return rows;
}

}  // namespace zofar
