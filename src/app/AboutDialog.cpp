#include "app/AboutDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/IconLibrary.h"
#include "base/Version.h"

namespace zofar {

namespace {
constexpr int kIconSize = 48;
}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About ZOFAR"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(IconLibrary::ProgramIcon().pixmap(kIconSize, kIconSize));

    auto* label = new QLabel(QStringLiteral("ZOFAR Program Database Version"), this);
    label->setObjectName(QStringLiteral("label"));
    auto* version =
        new QLabel(QString::fromLatin1(kProgramVersion.data(), static_cast<qsizetype>(kProgramVersion.size())), this);
    version->setObjectName(QStringLiteral("version"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* text = new QHBoxLayout;
    text->addWidget(label);
    text->addWidget(version);
    text->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

}  // namespace zofar
