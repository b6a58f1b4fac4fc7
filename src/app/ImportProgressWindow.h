#pragma once

#include <QWidget>

#include <string>

#include "import/ImportUi.h"

class QProgressBar;

namespace zofar {

/// The small modeless window with one progress bar that an import shows while it runs. It is
/// painted at once on every change, because the import does not return to the event loop.
class ImportProgressWindow : public QWidget, public ImportProgress {
    Q_OBJECT
public:
    /// Shown at once, centred over `owner` (may be null); the caller owns the window.
    ImportProgressWindow(const std::string& caption, QWidget* owner);

    void SetRange(int lower, int upper) override;
    void SetPosition(int position) override;

    QProgressBar* Bar() const { return bar_; }

private:
    QProgressBar* bar_ = nullptr;
};

}  // namespace zofar
