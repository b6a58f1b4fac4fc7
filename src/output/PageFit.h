#pragma once

#include <string>
#include <vector>

#include "output/PageLayout.h"

namespace zofar {

/// The list columns whose slot ends right of the page's clip: printed cut off or not at all,
/// on every page. In `layout`'s column order.
std::vector<int> ColumnsBeyondPage(const PageLayout& layout);

/// The same for the columns `ordered` (list columns, left to right, as they would be printed)
/// on the page that `page` describes; the page's own column choice is not used.
std::vector<int> ColumnsBeyondPage(const PageInput& page, const std::vector<int>& ordered);

/// "Do not fit on the page: START, END, DAYS" with the columns' field names; empty when every
/// column fits.
std::string ColumnsBeyondPageText(const std::vector<int>& columns);

}  // namespace zofar
