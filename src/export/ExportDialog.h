#pragma once

#include <QDialog>

#include <functional>
#include <optional>

#include "export/ExportDialogs.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zofar {

class ColumnCheckList;

/// "Export": the format, the records, the CSV columns, the file and, for gqrx, whether to merge
/// into the existing bookmarks. OK runs the core check and keeps the dialog open on a problem.
class ExportDialog : public QDialog {
    Q_OBJECT
public:
    /// Asks for the file to write: (title, current path, name filter, confirm overwriting) to
    /// the chosen path, empty on Cancel.
    using FileChooser =
        std::function<QString(const QString& title, const QString& current, const QString& filter, bool confirm)>;

    explicit ExportDialog(const ExportChoices& choices, QWidget* parent = nullptr);

    /// Runs the dialog; the choices on OK, nothing on Cancel or close.
    static std::optional<ExportChoices> Run(QWidget* parent, const ExportChoices& choices);

    /// The choices the controls show now.
    ExportChoices Choices() const;

    /// Replaces the file dialog (tests use it).
    void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    /// The Browse button.
    void ChooseFile();
    void accept() override;

private:
    void ShowFormat(int format);

    ExportChoices held_;
    FileChooser chooser_;
    int shownFormat_ = 0;
    QButtonGroup* format_ = nullptr;
    QButtonGroup* scope_ = nullptr;
    ColumnCheckList* columns_ = nullptr;
    QLineEdit* file_ = nullptr;
    QPushButton* browse_ = nullptr;
    QCheckBox* merge_ = nullptr;
};

}  // namespace zofar
