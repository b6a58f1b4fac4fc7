#include "app/IconLibrary.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The icons live in a static library, whose resource initialiser the linker would drop.
static void InitZofarResources() { Q_INIT_RESOURCE(zofar); }

namespace zofar {

namespace {

void EnsureResources() {
    static const bool initialised = (InitZofarResources(), true);
    (void)initialised;
}

}  // namespace

// Rendered per size rather than scaled, so the thin outlines stay sharp at 16 px as at 24 px,
// and no icon-engine plugin is needed at run time.
QIcon IconLibrary::Icon(const QString& name) {
    EnsureResources();
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
    QIcon icon;
    if (!renderer.isValid()) return icon;
    for (int size : {16, 20, 22, 24, 32, 40, 48, 64}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace zofar
