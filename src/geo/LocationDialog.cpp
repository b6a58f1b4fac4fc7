#include "geo/LocationDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

#include "widgets/ZofarMessageBox.h"

namespace zofar {

namespace {

QLineEdit* AddField(QFormLayout* form, const char* label, const char* name, const std::string& text, QWidget* parent) {
    auto* edit = new QLineEdit(QString::fromStdString(text), parent);
    edit->setObjectName(QString::fromUtf8(name));
    // The form makes the label the field's buddy, so its '&' letter is the field's access key.
    form->addRow(QString::fromUtf8(label), edit);
    return edit;
}

std::string TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

LocationDialog::LocationDialog(const LocationSetting& current, QWidget* parent) : QDialog(parent), setting_(current) {
    setWindowTitle(QStringLiteral("ZOFAR  Listener Location"));
    const LocationEntry entry = EntryFor(current);

    auto* note = new QLabel(QStringLiteral("Give your Maidenhead locator, or your latitude and longitude in decimal "
                                           "degrees (north and east positive)."),
                            this);
    note->setWordWrap(true);
    auto* form = new QFormLayout;
    locatorEdit_ = AddField(form, "&Locator (such as JO62qm) :", "locatorEdit", entry.locator, this);
    latitudeEdit_ = AddField(form, "L&atitude (degrees) :", "latitudeEdit", entry.latitude, this);
    longitudeEdit_ = AddField(form, "L&ongitude (degrees) :", "longitudeEdit", entry.longitude, this);
    connect(locatorEdit_, &QLineEdit::textChanged, this, &LocationDialog::UpdateDegreeFields);
    UpdateDegreeFields();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &LocationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void LocationDialog::UpdateDegreeFields() {
    const bool inUse = DegreeFieldsInUse(TextOf(locatorEdit_));
    latitudeEdit_->setEnabled(inUse);
    longitudeEdit_->setEnabled(inUse);
}

void LocationDialog::accept() {
    try {
        const LocationCheckOutcome outcome =
            CheckLocationEntry({TextOf(locatorEdit_), TextOf(latitudeEdit_), TextOf(longitudeEdit_)});
        if (!outcome.accepted) {
            ZofarMessageBox::Show(this, outcome.message);
            if (QLineEdit* edit = Field(outcome.focus)) {
                edit->setFocus(Qt::OtherFocusReason);
                edit->selectAll();
            }
            return;
        }
        setting_ = outcome.setting;
        QDialog::accept();
    } catch (const std::exception& e) {
        ZofarMessageBox::Show(this, e.what());
    }
}

QLineEdit* LocationDialog::Field(LocationField field) const {
    switch (field) {
    case LocationField::Locator: return locatorEdit_;
    case LocationField::Latitude: return latitudeEdit_;
    case LocationField::Longitude: return longitudeEdit_;
    case LocationField::None: return nullptr;
    }
    return nullptr;
}

}  // namespace zofar
