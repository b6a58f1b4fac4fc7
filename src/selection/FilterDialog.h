#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QDialog>

#include "selection/CriterionTable.h"
#include "selection/FilterCriteria.h"
#include "selection/FilterDialogChecks.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace zofar {

/// The modal filter dialog. It edits a copy of the criteria; nothing reaches the caller before
/// an OK whose checks pass.
class FilterDialog : public QDialog {
    Q_OBJECT

public:
    /// `filterOn` false shows a line saying the filter is switched off.
    explicit FilterDialog(const FilterCriteria& criteria, bool filterOn = true, QWidget* parent = nullptr);

    /// Runs the dialog; the accepted criteria on OK, nothing on Cancel or close.
    static std::optional<FilterCriteria> Run(QWidget* parent, const FilterCriteria& criteria, bool filterOn = true);

    /// The values the dialog holds: after an accepted OK the new criteria.
    const FilterCriteria& Criteria() const { return held_; }

private:
    /// A criterion's enable box with the edits of its values.
    struct CriterionRow {
        const Criterion* criterion;
        QCheckBox* box;
        std::array<QLineEdit*, 2> edits;
    };

    void BuildControls();
    void Display(const FilterCriteria& values);
    FilterDialogEntries Entries() const;
    QWidget* FocusTarget(FilterDialogField field) const;
    void OnOk();
    void OnClear();

    FilterCriteria held_;

    QRadioButton* onairNowRadio_ = nullptr;
    QRadioButton* onairAtRadio_ = nullptr;
    QRadioButton* substringRadio_ = nullptr;
    QRadioButton* exactRadio_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    std::vector<CriterionRow> rows_;
};

}  // namespace zofar
