#pragma once

#include <QDialog>

#include "geo/ListenerLocation.h"
#include "geo/LocationDialogChecks.h"

class QLineEdit;
class QPushButton;

namespace zofar {

/// "ZOFAR  Listener Location": the listener's Maidenhead locator, or latitude and longitude in
/// decimal degrees, checked by CheckLocationEntry before the dialog closes with OK.
class LocationDialog : public QDialog {
    Q_OBJECT
public:
    explicit LocationDialog(const LocationSetting& current, QWidget* parent = nullptr);

    /// The location once the dialog has been accepted (no location when the fields were cleared).
    const LocationSetting& Setting() const { return setting_; }

    QLineEdit* LocatorEdit() const { return locatorEdit_; }
    QLineEdit* LatitudeEdit() const { return latitudeEdit_; }
    QLineEdit* LongitudeEdit() const { return longitudeEdit_; }
    QPushButton* OkButton() const { return okButton_; }

    void accept() override;

private:
    void UpdateDegreeFields();
    QLineEdit* Field(LocationField field) const;

    LocationSetting setting_;
    QLineEdit* locatorEdit_ = nullptr;
    QLineEdit* latitudeEdit_ = nullptr;
    QLineEdit* longitudeEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace zofar
