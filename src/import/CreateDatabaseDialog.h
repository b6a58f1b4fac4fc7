#pragma once

#include <QDialog>

#include <functional>
#include <string>

#include "store/DatabaseDialogs.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zofar {

/// "ZOFAR  Create a Database": the new database's name, the list to import (one radio button per
/// source kind) and the checks before the dialog closes with OK.
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
    /// The radio button of source kind `id`; nullptr for an id outside the table.
    QRadioButton* KindRadio(int id) const;
    QPushButton* SelectButton() const { return selectButton_; }
    QPushButton* OkButton() const { return okButton_; }

    /// The Select button of the source group.
    void ChooseSourceFile();
    void accept() override;

private:
    // The source group's title and the Select button name the chosen kind's file.
    void ShowKindTexts();

    std::string databaseFolder_;
    CreateDatabaseRequest request_;
    FileChooser chooser_;
    QLineEdit* nameEdit_ = nullptr;
    QLabel* sourceLabel_ = nullptr;
    QGroupBox* sourceGroup_ = nullptr;
    QButtonGroup* kinds_ = nullptr;
    QPushButton* selectButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace zofar
