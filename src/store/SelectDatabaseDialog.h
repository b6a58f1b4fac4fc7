#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

namespace zofar {

/// Lists database names for the user to pick one (Open, Delete). OK without a selection asks
/// for one and keeps the dialog open; a double-click on a name acts as OK.
class SelectDatabaseDialog : public QDialog {
    Q_OBJECT
public:
    /// An empty caption shows "ZOFAR". The names are listed sorted, ignoring letter case; the
    /// line of `current` is selected, or the first line when no line is `current`.
    SelectDatabaseDialog(const std::string& caption, const std::vector<std::string>& names,
                         const std::string& current = {}, QWidget* parent = nullptr);

    /// The chosen name once the dialog has been accepted.
    const std::string& SelectedName() const { return selected_; }
    QListWidget* List() const { return list_; }

    void accept() override;

private:
    std::vector<std::string> names_;
    QListWidget* list_ = nullptr;
    std::string selected_;
};

}  // namespace zofar
