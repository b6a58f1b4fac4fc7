#pragma once

#include <optional>
#include <string>

#include <QDialog>

#include "selection/PredefinedFilterManager.h"
#include "selection/PredefinedFilterPrompts.h"

class QPushButton;

namespace zofar {

class FilterListBox;

/// "ZOFAR  Manage the Predefined Filters": the names in list order and the buttons Create
/// Filter, Delete Filter and Close. Each button runs the manager's rule with the selected
/// line; after every change the list box is refilled with nothing selected. Its messages and
/// the name dialog come up over this dialog.
class ManagePredefinedFiltersDialog : public QDialog, private PredefinedFilterPrompts {
    Q_OBJECT

public:
    /// `manager` must outlive the dialog.
    explicit ManagePredefinedFiltersDialog(PredefinedFilterManager& manager, QWidget* parent = nullptr);

    FilterListBox* List() const { return list_; }

private:
    void OnCreate();
    void OnDelete();

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    std::optional<std::string> EnterFilterName(const FilterNameCheck& check) override;

    PredefinedFilterManager& manager_;
    FilterListBox* list_ = nullptr;
};

}  // namespace zofar
