#include "selection/SelectPredefinedFilterDialog.h"

#include <exception>

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "widgets/ZofarMessageBox.h"
#include "selection/FilterListBox.h"
#include "selection/PredefinedFilterDialogChecks.h"

namespace zofar {

SelectPredefinedFilterDialog::SelectPredefinedFilterDialog(const std::vector<std::string>& names, QWidget* parent)
    : QDialog(parent) {
    const auto caption = PredefinedFilterDialogChecks::kSelectCaption;
    setWindowTitle(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    list_ = new FilterListBox(this);
    list_->Fill(names);
    // The first line is selected from the start, so Enter takes it instead of asking for one.
    if (list_->count() > 0) list_->setCurrentRow(0);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &SelectPredefinedFilterDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(320, 300);
}

std::optional<int> SelectPredefinedFilterDialog::Run(QWidget* parent, const std::vector<std::string>& names) {
    SelectPredefinedFilterDialog dialog(names, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.SelectedIndex();
}

void SelectPredefinedFilterDialog::accept() {
    try {
        const int line = list_->SelectedLine();
        if (const auto problem = PredefinedFilterDialogChecks::CheckSelection(line, list_->count())) {
            ZofarMessageBox::Show(this, *problem);
            return;
        }
        selected_ = line;
        QDialog::accept();
    } catch (const std::exception& e) {
        ZofarMessageBox::Show(this, e.what());
    }
}

}  // namespace zofar
