#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

namespace zofar::test {

/// Plays the user in front of modal windows: every modal window that comes up is handed to the
/// next scripted step, in order. Message boxes are recorded with caption, text, icon and
/// buttons. A modal window with no step left is rejected, so a test can never hang on one.
class ModalDriver {
public:
    struct SeenBox {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };

    std::vector<SeenBox> boxes;

    ModalDriver() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    /// Answers the next message box with `button`.
    void Answer(QMessageBox::StandardButton button) {
        steps_.push_back([this, button](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box) return false;
            boxes.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                             box->standardButton(box->defaultButton())});
            if (QAbstractButton* b = box->button(button)) b->click();
            return true;
        });
    }

    /// Lets `step` handle the next modal window of type T (a dialog), e.g. to fill and accept it.
    template <typename T>
    void Handle(std::function<void(T&)> step) {
        steps_.push_back([step](QWidget* w) {
            auto* dialog = qobject_cast<T*>(w);
            if (!dialog) return false;
            step(*dialog);
            return true;
        });
    }

    bool Done() const { return steps_.empty(); }

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == last_) return;
        if (steps_.empty()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            return;
        }
        auto step = steps_.front();
        if (step(modal)) {
            steps_.pop_front();
            last_ = modal->isVisible() ? modal : nullptr;
        }
    }

    QTimer timer_;
    std::deque<std::function<bool(QWidget*)>> steps_;
    QWidget* last_ = nullptr;
};

}  // namespace zofar::test
