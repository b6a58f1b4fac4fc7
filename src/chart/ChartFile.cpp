#include "chart/ChartFile.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace zofar {
namespace {

std::string CannotWrite(const std::string& path) { return "The chart cannot be written to \"" + path + "\"."; }

}  // namespace

std::string SaveBandChart(const std::string& path, const BandChartScene& scene, int width, int height) {
    if (width < 1 || height < 1) return "The chart needs a width and height of at least one pixel.";
    const QString file = QString::fromStdString(path);
    const QString extension = QFileInfo(file).suffix().toLower();
    if (extension == QLatin1String("png")) {
        QImage image(width, height, QImage::Format_RGB32);
        if (image.isNull()) return "The chart is too large to be drawn.";
        {
            QPainter painter(&image);
            PaintBandChart(painter, scene, width, height);
        }
        return image.save(file, "PNG") ? std::string() : CannotWrite(path);
    }
    if (extension == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(file);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        svg.setTitle(QStringLiteral("ZOFAR band chart"));
        QPainter painter;
        if (!painter.begin(&svg)) return CannotWrite(path);
        PaintBandChart(painter, scene, width, height);
        return painter.end() ? std::string() : CannotWrite(path);
    }
    if (extension == QLatin1String("pdf")) {
        QPdfWriter pdf(file);
        pdf.setResolution(72);
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(width, height), QPageSize::Point), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
        pdf.setTitle(QStringLiteral("ZOFAR band chart"));
        QPainter painter;
        if (!painter.begin(&pdf)) return CannotWrite(path);
        PaintBandChart(painter, scene, width, height);
        return painter.end() ? std::string() : CannotWrite(path);
    }
    return "The chart is written as PNG, SVG or PDF; \"" + path + "\" ends in none of .png, .svg and .pdf.";
}

}  // namespace zofar
