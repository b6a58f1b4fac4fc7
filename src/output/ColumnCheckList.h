#pragma once

#include <QListWidget>

#include <vector>

#include "output/ColumnChoice.h"

namespace zofar {

/// The check list of the clipboard and print dialogs: one line per offered column, in display
/// order, named by its field name, with a check box.
class ColumnCheckList : public QListWidget {
    Q_OBJECT
public:
    /// Line i shows `choice.positions[choice.offered[i]]` with check state `checks[i]`
    /// (unchecked where `checks` does not reach).
    ColumnCheckList(const ColumnChoice& choice, const std::vector<bool>& checks, QWidget* parent = nullptr);

    /// The check state of every line, in line order.
    std::vector<bool> Checks() const;
};

}  // namespace zofar
