#pragma once

#include <array>
#include <string>

#include "store/ColumnTable.h"
#include "view/ColumnLayout.h"

namespace zofar {

/// Column widths below this many pixels mark a column the user has dragged nearly shut: it
/// stays in the list, but the clipboard and printing leave it out.
inline constexpr int kHiddenColumnWidth = 8;

/// Width and display position of each list column, ready to be applied to a header.
struct ColumnGeometry {
    std::array<int, kFieldCount> position{};  ///< display position of column c, a permutation
    std::array<int, kFieldCount> width{};     ///< pixel width of column c
};

/// The average character width of a font, from the pixel width of "A".."Z" in it.
int AverageCharWidth(int alphabetPixelWidth);

/// Default pixel width of list column 0..23: its width in characters times the average width.
int DefaultColumnWidth(int column, int averageCharWidth);

/// True for a pixel width below 8; -1 (the default width) is not hidden.
bool IsHiddenColumnWidth(int width);

/// Sortable columns carry their field name in capitals; the others in lower case.
std::string ColumnHeading(int column);

/// True when every value 0..23 occurs in `order`.
bool IsColumnPermutation(const std::array<int, kFieldCount>& order);

/// The geometry the list gets from the document's layout: a stored width of 0 or more is used
/// as it is, -1 or another negative width gives the default width; an order that is not a
/// permutation (it can only come from a damaged layout) gives the table order.
ColumnGeometry ApplyColumnLayout(const ColumnLayout& stored, int averageCharWidth);

/// The layout a header shows, as the document keeps it.
ColumnLayout CaptureColumnLayout(const ColumnGeometry& shown);

}  // namespace zofar
