#include <gtest/gtest.h>

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/ModalDriver.h"
#include "geo/LocationDialog.h"

namespace zofar {
namespace {

TEST(LocationDialog, showsTheStoredLocationWithAnAccessKeyOnEveryField) {
    LocationDialog dialog({"JO62qm", ListenerLocation{52.520833, 13.375}});
    EXPECT_EQ(dialog.windowTitle(), "ZOFAR  Listener Location");
    EXPECT_EQ(dialog.LocatorEdit()->text(), "JO62qm");
    EXPECT_EQ(dialog.LatitudeEdit()->text(), "52.520833");
    EXPECT_FALSE(dialog.LatitudeEdit()->isEnabled()) << "a locator is the location";
    QStringList keys;
    for (QLineEdit* edit : {dialog.LocatorEdit(), dialog.LatitudeEdit(), dialog.LongitudeEdit()}) {
        auto* label = qobject_cast<QLabel*>(dialog.findChild<QFormLayout*>()->labelForField(edit));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->buddy(), edit);
        const auto amp = label->text().indexOf('&');
        ASSERT_GE(amp, 0) << label->text().toStdString();
        keys << label->text().mid(amp + 1, 1).toLower();
    }
    keys.removeDuplicates();
    EXPECT_EQ(keys.size(), 3) << "three different access keys";

    dialog.LocatorEdit()->clear();
    EXPECT_TRUE(dialog.LatitudeEdit()->isEnabled());
    EXPECT_TRUE(dialog.LongitudeEdit()->isEnabled());
}

TEST(LocationDialog, showsTheChecksMessageAndFocusesItsField) {
    LocationDialog dialog({});
    dialog.show();
    dialog.LatitudeEdit()->setText("52.5");
    dialog.LongitudeEdit()->setText("east");
    test::ModalDriver driver;
    driver.Answer(QMessageBox::Ok);
    dialog.OkButton()->click();
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(driver.boxes[0].text,
              "The longitude \"east\" is not a number of degrees from -180 to 180 (east positive), such as 13.38.");
    EXPECT_EQ(dialog.focusWidget(), dialog.LongitudeEdit());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Setting(), LocationSetting{});
}

TEST(LocationDialog, handsBackTheCheckedLocation) {
    LocationDialog dialog({});
    dialog.LocatorEdit()->setText("FN20xr");
    dialog.OkButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Setting().locator, "FN20xr");
    ASSERT_TRUE(dialog.Setting().location.has_value());
    EXPECT_NEAR(dialog.Setting().location->longitude, -74.041667, 1e-6);
}

}  // namespace
}  // namespace zofar
