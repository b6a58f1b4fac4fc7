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

#include "widgets/ZofarMessageBox.h"
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
    eibiRadio_ = new QRadioButton(QStringLiteral("EiBi CSV File"), sourceGroup);
    kinds_ = new QButtonGroup(this);
    kinds_->addButton(textRadio_, kSourceText);
    kinds_->addButton(dbaseRadio_, kSourceDbase);
    kinds_->addButton(eibiRadio_, kSourceEibi);
    textRadio_->setChecked(true);
    selectButton_ = new QPushButton(QStringLiteral("Select ILG Source File"), sourceGroup);
    connect(selectButton_, &QPushButton::clicked, this, &CreateDatabaseDialog::ChooseSourceFile);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(textRadio_);
    kindRow->addWidget(dbaseRadio_);
    kindRow->addWidget(eibiRadio_);
    kindRow->addStretch();
    kindRow->addWidget(selectButton_);
    auto* sourceLayout = new QVBoxLayout(sourceGroup);
    sourceLayout->addWidget(sourceLabel_);
    sourceLayout->addLayout(kindRow);

    auto* note = new QLabel(QStringLiteral("Creation of a new database may take some time !"), this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &CreateDatabaseDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameGroup);
    layout->addWidget(sourceGroup);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

void CreateDatabaseDialog::ChooseSourceFile() {
    QString title = QStringLiteral("ZOFAR Select an ILG File");
    QString filter = QStringLiteral("ILG Files (*.txt)");
    if (dbaseRadio_->isChecked()) {
        filter = QStringLiteral("ILG Files (*.dbf)");
    } else if (eibiRadio_->isChecked()) {
        title = QStringLiteral("ZOFAR Select an EiBi File");
        filter = QStringLiteral("EiBi Files (*.csv)");
    }
    const QString path = chooser_(title, filter);
    if (path.isEmpty()) return;
    // File names are bytes on Linux; keep them as the file system spells them.
    const std::string bytes = QFile::encodeName(path).toStdString();
    const auto slash = bytes.rfind('/');
    request_.sourcePath = bytes;
    request_.sourceFolder = slash == std::string::npos ? std::string() : bytes.substr(0, slash + 1);
    request_.sourceFileName = slash == std::string::npos ? bytes : bytes.substr(slash + 1);
    sourceLabel_->setText(path);
    // With the name typed and the list chosen, OK is what the user presses next.
    okButton_->setFocus();
}

void CreateDatabaseDialog::accept() {
    const std::string name = nameEdit_->text().toStdString();
    const CreateCheckPrompts prompts{
        [this](const std::string& text) { ZofarMessageBox::Show(this, text); },
        [this](const std::string& text) { return ZofarMessageBox::Ask(this, text); },
    };
    const DatabaseFolder folder(databaseFolder_);
    const CreateCheckResult result =
        CheckCreateDatabase(name, request_.sourcePath, folder.Names(), prompts, folder.LongestName());
    if (!result.accepted) {
        switch (result.focus) {
        case CreateDialogField::Name: nameEdit_->setFocus(); break;
        case CreateDialogField::SelectSourceButton: selectButton_->setFocus(); break;
        case CreateDialogField::None: break;
        }
        return;
    }
    request_.name = name;
    request_.sourceKind = kinds_->checkedId();
    request_.replace = result.replace;
    QDialog::accept();
}

}  // namespace zofar
