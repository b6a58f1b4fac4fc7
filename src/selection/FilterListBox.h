#pragma once

#include <string>
#include <vector>

#include <QListWidget>

namespace zofar {

/// The list box of the named-filter dialogs: one line per filter in list order, so a line's
/// row is its filter's list index; single selection.
class FilterListBox : public QListWidget {
    Q_OBJECT

public:
    explicit FilterListBox(QWidget* parent = nullptr);

    /// Empties the box and adds the names in order; afterwards nothing is selected.
    void Fill(const std::vector<std::string>& names);

    /// The row of the selected line; -1 when none is selected.
    int SelectedLine() const;
};

}  // namespace zofar
