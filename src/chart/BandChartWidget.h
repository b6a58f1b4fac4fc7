#pragma once

#include <QWidget>

#include <optional>
#include <string_view>
#include <vector>

#include "chart/BandChartPainter.h"

class QComboBox;
class QRubberBand;

namespace zofar {

/// The drawing of the band chart: paints what the chart's geometry and bar layout say, zooms
/// the frequencies with the wheel and a rubber band dragged with the left button, names the
/// record under the mouse in a tooltip and reports a click on a bar.
class BandChartCanvas : public QWidget {
    Q_OBJECT
public:
    explicit BandChartCanvas(QWidget* parent = nullptr);
    ~BandChartCanvas() override;

    void SetRecords(std::vector<ChartRecord> records);
    void SetNow(const UtcTime& now);
    void SetSelectedId(int id);
    void SetRange(const FreqRange& range);
    void SetColouring(ChartColouring colouring);

    const std::vector<ChartRecord>& Records() const { return records_; }
    const FreqRange& Range() const { return range_; }
    int SelectedId() const { return selectedId_; }
    /// The geometry and bar layout of the widget's present size; made again only after a change.
    const ChartGeometry& Geometry() const;
    const ChartLayout& Layout() const;
    /// The record under a point of the widget, or nothing.
    const ChartRecord* RecordAt(const QPoint& point) const;
    /// What the widget shows, for painting it elsewhere (a file, a printer).
    BandChartScene Scene() const;

signals:
    /// A click on a bar, with the record's UNIQUEID.
    void recordChosen(int recordId);
    /// The visible frequency range changed by the wheel or a rubber band.
    void rangeChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Invalidate();

    std::vector<ChartRecord> records_;
    std::optional<UtcTime> now_;
    int selectedId_ = -1;
    FreqRange range_;
    ChartColouring colouring_ = ChartColouring::OnAirNow;
    mutable std::optional<ChartGeometry> geometry_;
    mutable std::optional<ChartLayout> layout_;
    QRubberBand* rubberBand_ = nullptr;
    std::optional<QPoint> pressedAt_;
};

/// The band chart with its band list and colouring list above the drawing. The owner gives the
/// records, the time and the selected record; a click on a bar emits recordChosen.
class BandChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit BandChartWidget(QWidget* parent = nullptr);

    void SetRecords(std::vector<ChartRecord> records) { canvas_->SetRecords(std::move(records)); }
    void SetNow(const UtcTime& now) { canvas_->SetNow(now); }
    void SetSelectedId(int id) { canvas_->SetSelectedId(id); }
    /// Shows a band by its command-line name ("49m", "MW", "all"); false for an unknown name.
    bool SetBand(std::string_view name);

    BandChartCanvas* Canvas() const { return canvas_; }
    QComboBox* BandList() const { return bands_; }
    QComboBox* ColouringList() const { return colourings_; }

signals:
    void recordChosen(int recordId);

private:
    BandChartCanvas* canvas_;
    QComboBox* bands_;
    QComboBox* colourings_;
};

}  // namespace zofar
