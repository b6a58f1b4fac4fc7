#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QDialog>

namespace zofar {

class FilterListBox;

/// "ZOFAR  Select a Predefined Filter": the names in list order, OK and Cancel. OK without a
/// selection in a non-empty list asks for one and keeps the dialog open; a double click on a
/// line acts as OK.
class SelectPredefinedFilterDialog : public QDialog {
    Q_OBJECT

public:
    explicit SelectPredefinedFilterDialog(const std::vector<std::string>& names, QWidget* parent = nullptr);

    /// Runs the dialog; the line chosen with OK (-1 for OK in an empty list), nothing on Cancel.
    static std::optional<int> Run(QWidget* parent, const std::vector<std::string>& names);

    /// The chosen line once the dialog has been accepted.
    int SelectedIndex() const { return selected_; }
    FilterListBox* List() const { return list_; }

    void accept() override;

private:
    FilterListBox* list_ = nullptr;
    int selected_ = -1;
};

}  // namespace zofar
