#include "selection/ManagePredefinedFiltersDialog.h"

#include <exception>

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ZofarMessageBox.h"
#include "selection/FilterListBox.h"
#include "selection/FilterNameDialog.h"
#include "selection/PredefinedFilterDialogChecks.h"

namespace zofar {

ManagePredefinedFiltersDialog::ManagePredefinedFiltersDialog(PredefinedFilterManager& manager, QWidget* parent)
    : QDialog(parent), manager_(manager) {
    const auto caption = PredefinedFilterDialogChecks::kManageCaption;
    setWindowTitle(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    list_ = new FilterListBox(this);
    list_->Fill(manager_.Names());

    auto* create = new QPushButton(QStringLiteral("Create Filter"), this);
    create->setObjectName(QStringLiteral("createButton"));
    auto* remove = new QPushButton(QStringLiteral("Delete Filter"), this);
    remove->setObjectName(QStringLiteral("deleteButton"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(create, &QPushButton::clicked, this, &ManagePredefinedFiltersDialog::OnCreate);
    connect(remove, &QPushButton::clicked, this, &ManagePredefinedFiltersDialog::OnDelete);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(create);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(360, 300);
}

void ManagePredefinedFiltersDialog::OnCreate() {
    try {
        if (manager_.CreateFilter(list_->SelectedLine(), *this)) list_->Fill(manager_.Names());
    } catch (const std::exception& e) {
        ShowMessage(e.what());
    }
}

void ManagePredefinedFiltersDialog::OnDelete() {
    try {
        if (manager_.DeleteFilter(list_->SelectedLine(), *this)) list_->Fill(manager_.Names());
    } catch (const std::exception& e) {
        ShowMessage(e.what());
    }
}

void ManagePredefinedFiltersDialog::ShowMessage(const std::string& text) { ZofarMessageBox::Show(this, text); }

bool ManagePredefinedFiltersDialog::AskYesNo(const std::string& text) { return ZofarMessageBox::Ask(this, text); }

std::optional<std::string> ManagePredefinedFiltersDialog::EnterFilterName(const FilterNameCheck& check) {
    return FilterNameDialog::Run(this, check);
}

}  // namespace zofar
