#include "import/CreateDatabaseDialog.h"

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

#include "import/SourceKinds.h"
#include "widgets/ZofarMessageBox.h"
#include "store/CreateDatabaseChecks.h"
#include "store/DatabaseFolder.h"

namespace zofar {

namespace {

QString Text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace

CreateDatabaseDialog::CreateDatabaseDialog(std::string databaseFolder, QWidget* parent)
    : QDialog(parent), databaseFolder_(std::move(databaseFolder)) {
    setWindowTitle(QStringLiteral("ZOFAR  Create a Database"));
    chooser_ = [this](const QString& title, const QString& filter) {
        return QFileDialog::getOpenFileName(this, title, QString(), filter);
    };

    auto* nameGroup = new QGroupBox(QStringLiteral("&Name of the new Database"), this);
    nameEdit_ = new QLineEdit(nameGroup);
    auto* nameLayout = new QVBoxLayout(nameGroup);
    nameLayout->addWidget(nameEdit_);

    sourceGroup_ = new QGroupBox(this);
    sourceLabel_ = new QLabel(sourceGroup_);
    sourceLabel_->setTextFormat(Qt::PlainText);
    sourceLabel_->setFrameShape(QFrame::StyledPanel);
    sourceLabel_->setMinimumWidth(360);
    kinds_ = new QButtonGroup(this);
    auto* kindRow = new QHBoxLayout;
    const auto kinds = SourceKinds();
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        // Every kind's first letter is its access key; the table keeps them apart.
        auto* radio = new QRadioButton(QStringLiteral("&") + Text(kinds[k].label), sourceGroup_);
        kinds_->addButton(radio, static_cast<int>(k));
        kindRow->addWidget(radio);
    }
    kinds_->button(kDefaultSourceKind)->setChecked(true);
    selectButton_ = new QPushButton(sourceGroup_);
    connect(selectButton_, &QPushButton::clicked, this, &CreateDatabaseDialog::ChooseSourceFile);
    connect(kinds_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) ShowKindTexts();
    });
    ShowKindTexts();
    kindRow->addStretch();
    auto* selectRow = new QHBoxLayout;
    selectRow->addStretch();
    selectRow->addWidget(selectButton_);
    auto* sourceLayout = new QVBoxLayout(sourceGroup_);
    sourceLayout->addWidget(sourceLabel_);
    sourceLayout->addLayout(kindRow);
    sourceLayout->addLayout(selectRow);

    auto* note = new QLabel(QStringLiteral("Creation of a new database may take some time !"), this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton_ = buttons->button(QDialogButtonBox::Ok);
    okButton_->setText(QStringLiteral("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CreateDatabaseDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameGroup);
    layout->addWidget(sourceGroup_);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

QRadioButton* CreateDatabaseDialog::KindRadio(int id) const { return qobject_cast<QRadioButton*>(kinds_->button(id)); }

void CreateDatabaseDialog::ShowKindTexts() {
    const SourceKind& kind = SourceKindOf(kinds_->checkedId());
    const QString field = Text(kind.fieldLabel);
    sourceGroup_->setTitle(field);
    selectButton_->setText(QStringLiteral("&Select ") + field);
}

void CreateDatabaseDialog::ChooseSourceFile() {
    const SourceKind& kind = SourceKindOf(kinds_->checkedId());
    const QString path = chooser_(Text(kind.chooserTitle), Text(kind.chooserFilter));
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
