#pragma once

namespace zofar {

/// The rows of the record list that the document asks about: the selected row and the first
/// and last row on the screen; -1 where there is none.
struct ListRows {
    int selected = -1;
    int firstVisible = 0;
    int lastVisible = -1;
};

}  // namespace zofar
