#pragma once

#include <array>
#include <string>
#include <vector>

#include "store/ColumnTable.h"
#include "view/ColumnLayout.h"

namespace zofar {

/// Column widths below this many pixels mark a column the user has dragged nearly shut: it
/// stays in the list, but the clipboard and printing leave it out.
inline constexpr int kHiddenColumnWidth = 8;

/// The fields the list shows for a database with `columns`: the 24 list fields, then every
/// extra field the database has, in field order. List column i shows field ListFields()[i].
std::vector<int> ListFields(ColumnSet columns);

/// Width and display position of each list column, ready to be applied to a header.
struct ColumnGeometry {
    std::vector<int> fields;    ///< the field list column i shows
    std::vector<int> position;  ///< display position of list column i, a permutation
    std::vector<int> width;     ///< pixel width of list column i
    int averageCharWidth = 0;   ///< the font's, when the default widths are known; else 0
};

/// The average character width of a font, from the pixel width of "A".."Z" in it.
int AverageCharWidth(int alphabetPixelWidth);

/// Default pixel width of field 0..kAllFieldCount-1: its width in characters times the average
/// width.
int DefaultColumnWidth(int field, int averageCharWidth);

/// True for a pixel width below 8; -1 (the default width) is not hidden.
bool IsHiddenColumnWidth(int width);

/// Sortable columns carry their field name in capitals; the others in lower case. The extra
/// fields can all be sorted by.
std::string ColumnHeading(int field);

/// True when every value 0..kAllFieldCount-1 occurs in `order`.
bool IsColumnPermutation(const std::array<int, kAllFieldCount>& order);

/// The layout's order, or the table order when it is not a permutation (it can only come from
/// a damaged layout).
std::array<int, kAllFieldCount> UsableOrder(const ColumnLayout& layout);

/// The fields of `fields` in display order: by their rank in the layout.
std::vector<int> FieldsInDisplayOrder(const ColumnLayout& layout, std::vector<int> fields);

/// The geometry the list gets from the document's layout for a database with `columns`: a
/// stored width of 0 or more is used as it is, -1 or another negative width gives the default
/// width; an order that is not a permutation gives the table order.
ColumnGeometry ApplyColumnLayout(const ColumnLayout& stored, int averageCharWidth, ColumnSet columns = {});

/// The layout a header shows, as the document keeps it: the shown fields take the places the
/// shown fields held in `previous`, in their new order, so the fields this database lacks keep
/// their ranks and widths. An extra field still at its default width keeps -1, so a layout whose
/// extra fields the user left alone is stored as the 24 fields' layout alone.
ColumnLayout CaptureColumnLayout(const ColumnGeometry& shown, const ColumnLayout& previous = {});

}  // namespace zofar
