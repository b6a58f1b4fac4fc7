#include "store/CreateDatabaseDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ZofarMessageBox.h"
#include "store/CreateDatabaseChecks.h"
#include "store/DatabaseFolder.h"

namespace zofar {

CreateDatabaseDialog::CreateDatabaseDialog(std::string databaseFolder, QWidget* parent)
    : QDialog(parent), databaseFolder_(std::move(databaseFolder)) {
    setWindowTitle(QStringLiteral("ZOFAR  Create a Database"));
    chooser_ = [this](const QString& title, const QString& filter) {
        return QFileDialog::getOpenFileName(this, title, QString(), filter);
    };

    auto* nameGroup = new QGroupBox(QStringLiteral("Name of the new Database"), this);
    nameEdit_ = new QLineEdit(nameGroup);
    auto* nameLayout = new QVBoxLayout(nameGroup);
    nameLayout->addWidget(nameEdit_);

    auto* sourceGroup = new QGroupBox(QStringLiteral("ILG Source File"), this);
    sourceLabel_ = new QLabel(sourceGroup);
    sourceLabel_->setTextFormat(Qt::PlainText);
    sourceLabel_->setFrameShape(QFrame::StyledPanel);
    sourceLabel_->setMinimumWidth(360);
    textRadio_ = new QRadioButton(QStringLiteral("TEXT File"), sourceGroup);
    dbaseRadio_ = new QRadioButton(QStringLiteral("DBASE File"), sourceGroup);
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(textRadio_, 0);
    kinds->addButton(dbaseRadio_, 1);
    textRadio_->setChecked(true);
    selectButton_ = new QPushButton(QStringLiteral("Select ILG Source File"), sourceGroup);
    connect(selectButton_, &QPushButton::clicked, this, &CreateDatabaseDialog::ChooseSourceFile);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(textRadio_);
    kindRow->addWidget(dbaseRadio_);
    kindRow->addStretch();
    kindRow->addWidget(selectButton_);
    auto* sourceLayout = new QVBoxLayout(sourceGroup);
    sourceLayout->addWidget(sourceLabel_);
    sourceLayout->addLayout(kindRow);

    auto* note = new QLabel(QStringLiteral("Creation of a new database may take some time !"), this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CreateDatabaseDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameGroup);
    layout->addWidget(sourceGroup);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

void CreateDatabaseDialog::ChooseSourceFile() {
    const bool dbase = dbaseRadio_->isChecked();
    const QString filter = dbase ? QStringLiteral("ILG Files (*.dbf)") : QStringLiteral("ILG Files (*.txt)");
    const QString path = chooser_(QStringLiteral("ZOFAR Select an ILG File"), filter);
    if (path.isEmpty()) return;
    // File names are bytes on Linux; keep them as the file system spells them.
    const std::string bytes = QFile::encodeName(path).toStdString();
    const auto slash = bytes.rfind('/');
    request_.sourcePath = bytes;
    request_.sourceFolder = slash == std::string::npos ? std::string() : bytes.substr(0, slash + 1);
    request_.sourceFileName = slash == std::string::npos ? bytes : bytes.substr(slash + 1);
    sourceLabel_->setText(path);
}

void CreateDatabaseDialog::accept() {
    const std::string name = nameEdit_->text().toStdString();
    const CreateCheckPrompts prompts{
        [this](const std::string& text) { ZofarMessageBox::Show(this, text); },
        [this](const std::string& text) { return ZofarMessageBox::Ask(this, text); },
    };
    const CreateCheckResult result =
        CheckCreateDatabase(name, request_.sourcePath, DatabaseFolder(databaseFolder_).Names(), prompts);
    if (!result.accepted) {
        switch (result.focus) {
        case CreateDialogField::Name: nameEdit_->setFocus(); break;
        case CreateDialogField::SelectSourceButton: selectButton_->setFocus(); break;
        case CreateDialogField::None: break;
        }
        return;
    }
    request_.name = name;
    request_.sourceKind = dbaseRadio_->isChecked() ? 1 : 0;
    request_.replace = result.replace;
    QDialog::accept();
}

}  // namespace zofar
