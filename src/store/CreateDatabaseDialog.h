#pragma once

#include <QDialog>

#include <functional>
#include <string>

#include "store/DatabaseDialogs.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zofar {

/// "ZOFAR  Create a Database": the new database's name, the list to import (ILG text, ILG
/// dBASE or EiBi CSV) and the checks before the dialog closes with OK.
class CreateDatabaseDialog : public QDialog {
    Q_OBJECT
public:
    /// Asks for a file: (title, filter) to the chosen full path, empty on Cancel.
    using FileChooser = std::function<QString(const QString& title, const QString& filter)>;

    /// `databaseFolder` (ending with '/') is where existing databases are looked for.
    explicit CreateDatabaseDialog(std::string databaseFolder, QWidget* parent = nullptr);

    /// The values once the dialog has been accepted.
    const CreateDatabaseRequest& Request() const { return request_; }

    /// Replaces the file dialog (tests use it).
    void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    QLineEdit* NameEdit() const { return nameEdit_; }
    QLabel* SourceLabel() const { return sourceLabel_; }
    QRadioButton* TextRadio() const { return textRadio_; }
    QRadioButton* DbaseRadio() const { return dbaseRadio_; }
    QRadioButton* EibiRadio() const { return eibiRadio_; }
    QPushButton* SelectButton() const { return selectButton_; }
    QPushButton* OkButton() const { return okButton_; }

    /// The Select ILG Source File button.
    void ChooseSourceFile();
    void accept() override;

private:
    std::string databaseFolder_;
    CreateDatabaseRequest request_;
    FileChooser chooser_;
    QLineEdit* nameEdit_ = nullptr;
    QLabel* sourceLabel_ = nullptr;
    QRadioButton* textRadio_ = nullptr;
    QRadioButton* dbaseRadio_ = nullptr;
    QRadioButton* eibiRadio_ = nullptr;
    QButtonGroup* kinds_ = nullptr;
    QPushButton* selectButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace zofar
