#pragma once

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>

namespace zofar::test {

/// A left click in the middle of a header section, as the user makes it.
inline void ClickHeader(QHeaderView* header, int section) {
    const QPointF at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2, header->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, header->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, header->viewport()->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(header->viewport(), &press);
    QApplication::sendEvent(header->viewport(), &release);
}

}  // namespace zofar::test
