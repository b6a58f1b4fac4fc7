#include "chart/BandChartPainter.h"

#include <QPainter>
#include <QString>

#include <vector>

#include "chart/ChartAxes.h"

namespace zofar {
namespace {

const QColor kGridColour(225, 225, 225);
const QColor kFrameColour(90, 90, 90);
const QColor kNowLineColour(0, 0, 0);

QRectF ToQt(const PixelRect& r) { return {r.left, r.top, r.width, r.height}; }
QColor ToQt(Rgb c) { return {c.r, c.g, c.b}; }

void PaintAxes(QPainter& painter, const ChartGeometry& geometry) {
    const QRectF plot = ToQt(geometry.Plot());
    const QFontMetricsF metrics(painter.font());
    painter.setPen(QPen(kGridColour, 0));
    const auto timeTicks = TimeTicks(geometry);
    const auto freqTicks = FreqTicks(geometry);
    for (const AxisTick& t : timeTicks)
        painter.drawLine(QPointF(t.position, plot.top()), QPointF(t.position, plot.bottom()));
    for (const AxisTick& t : freqTicks)
        painter.drawLine(QPointF(plot.left(), t.position), QPointF(plot.right(), t.position));

    painter.setPen(QPen(kFrameColour, 0));
    painter.drawRect(plot);
    for (const AxisTick& t : timeTicks) {
        const QString label = QString::fromStdString(t.label);
        const double w = metrics.horizontalAdvance(label);
        painter.drawText(QPointF(t.position - w / 2, plot.bottom() + metrics.ascent() + 4), label);
    }
    for (const AxisTick& t : freqTicks) {
        const QString label = QString::fromStdString(t.label);
        const double w = metrics.horizontalAdvance(label);
        painter.drawText(QPointF(plot.left() - w - 6, t.position + metrics.ascent() / 2 - 1), label);
    }
    const QString unit = QStringLiteral("kHz");
    painter.drawText(QPointF(plot.left() - metrics.horizontalAdvance(unit) - 6, plot.top() - metrics.descent() - 8),
                     unit);
    const QString zone = QStringLiteral("UTC");
    painter.drawText(QPointF(plot.right() - metrics.horizontalAdvance(zone), plot.top() - metrics.descent() - 6), zone);
}

// Bars in the layout's order, so what lies on top is what the hit test picks; runs of one
// colour go to the device in one call.
void PaintBars(QPainter& painter, const BandChartScene& scene, const ChartLayout& layout) {
    painter.setPen(Qt::NoPen);
    std::vector<QRectF> run;
    Rgb runColour{};
    auto flush = [&] {
        if (run.empty()) return;
        painter.setBrush(ToQt(runColour));
        painter.drawRects(run.data(), static_cast<int>(run.size()));
        run.clear();
    };
    for (const ChartBar& bar : layout.Bars()) {
        const Rgb colour = BarColour(scene.records[bar.record], scene.colouring);
        if (!(colour == runColour)) {
            flush();
            runColour = colour;
        }
        run.push_back(ToQt(bar.rect));
    }
    flush();

    if (scene.highlightedId < 0) return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1.5));
    for (const ChartBar& bar : layout.Bars()) {
        if (scene.records[bar.record].id == scene.highlightedId)
            painter.drawRect(ToQt(bar.rect).adjusted(-1, -1, 1, 1));
    }
}

}  // namespace

void PaintBandChart(QPainter& painter, const BandChartScene& scene, double width, double height) {
    const ChartGeometry geometry(ChartPlotArea(width, height), scene.range);
    const ChartLayout layout(geometry, scene.records);
    PaintBandChart(painter, scene, geometry, layout, width, height);
}

void PaintBandChart(QPainter& painter, const BandChartScene& scene, const ChartGeometry& geometry,
                    const ChartLayout& layout, double width, double height) {
    painter.save();
    painter.fillRect(QRectF(0, 0, width, height), Qt::white);
    PaintAxes(painter, geometry);
    painter.setClipRect(ToQt(geometry.Plot()));
    PaintBars(painter, scene, layout);
    if (scene.now) {
        const double x = geometry.NowLineX(*scene.now);
        painter.setPen(QPen(kNowLineColour, 2));
        painter.drawLine(QPointF(x, geometry.Plot().top), QPointF(x, geometry.Plot().Bottom()));
    }
    painter.restore();
}

}  // namespace zofar
