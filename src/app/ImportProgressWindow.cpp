#include "app/ImportProgressWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QWindow>

namespace zofar {

namespace {
// How long the window may take to appear before the import starts without it.
constexpr int kExposeWaitMs = 500;
}  // namespace

// No parent: the caller's unique_ptr owns the window, and a parent would delete it a second
// time. The dialog flag keeps it above the main window like the modeless box it stands for.
ImportProgressWindow::ImportProgressWindow(const std::string& caption, QWidget* owner)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowTitleHint) {
    setWindowTitle(QString::fromStdString(caption));
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    resize(420, sizeHint().height());
    if (owner) move(owner->geometry().center() - rect().center());
    show();
    // The window system has to map the window once before it can be painted without the event
    // loop; only this first time are events let through, and user input is not.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < kExposeWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    }
    repaint();
}

void ImportProgressWindow::SetRange(int lower, int upper) {
    bar_->setRange(lower, upper);
    bar_->repaint();
}

void ImportProgressWindow::SetPosition(int position) {
    bar_->setValue(position);
    bar_->repaint();
}

}  // namespace zofar
