#include "chart/BandChartWidget.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>

#include "chart/ChartTexts.h"

namespace zofar {
namespace {

// A drag shorter than this is a click.
constexpr int kDragThreshold = 4;
// One notch of the wheel narrows the range to this share, or widens it by its inverse.
constexpr double kWheelStep = 0.8;

}  // namespace

BandChartCanvas::BandChartCanvas(QWidget* parent) : QWidget(parent), range_(ChartGeometry::kWholeRange) {
    setMouseTracking(true);
    setMinimumSize(320, 160);
    setFocusPolicy(Qt::StrongFocus);
    rubberBand_ = new QRubberBand(QRubberBand::Rectangle, this);
}

BandChartCanvas::~BandChartCanvas() = default;

void BandChartCanvas::Invalidate() {
    layout_.reset();
    geometry_.reset();
    update();
}

void BandChartCanvas::SetRecords(std::vector<ChartRecord> records) {
    records_ = std::move(records);
    Invalidate();
}

void BandChartCanvas::SetNow(const UtcTime& now) {
    now_ = now;
    update();
}

void BandChartCanvas::SetSelectedId(int id) {
    selectedId_ = id;
    update();
}

void BandChartCanvas::SetRange(const FreqRange& range) {
    if (range == range_) return;
    range_ = range;
    Invalidate();
}

void BandChartCanvas::SetColouring(ChartColouring colouring) {
    colouring_ = colouring;
    update();
}

const ChartGeometry& BandChartCanvas::Geometry() const {
    if (!geometry_) geometry_.emplace(ChartPlotArea(width(), height()), range_);
    return *geometry_;
}

const ChartLayout& BandChartCanvas::Layout() const {
    if (!layout_) layout_.emplace(Geometry(), records_);
    return *layout_;
}

const ChartRecord* BandChartCanvas::RecordAt(const QPoint& point) const {
    const auto index = Layout().HitTest(point.x() + 0.5, point.y() + 0.5);
    return index ? &records_[*index] : nullptr;
}

BandChartScene BandChartCanvas::Scene() const { return {records_, range_, now_, selectedId_, colouring_}; }

bool BandChartCanvas::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const ChartRecord* record = RecordAt(help->pos())) {
            QToolTip::showText(help->globalPos(), QString::fromStdString(BarToolTipText(*record)), this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void BandChartCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBandChart(painter, Scene(), Geometry(), Layout(), width(), height());
}

void BandChartCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout_.reset();
    geometry_.reset();
}

void BandChartCanvas::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0) return;
    SetRange(Geometry().ZoomedAt(event->position().y(), std::pow(kWheelStep, notches)));
    emit rangeChanged();
    event->accept();
}

void BandChartCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    pressedAt_ = event->position().toPoint();
}

void BandChartCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!pressedAt_ || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = event->position().toPoint();
    if (std::abs(at.y() - pressedAt_->y()) < kDragThreshold && std::abs(at.x() - pressedAt_->x()) < kDragThreshold)
        return;
    const PixelRect& plot = Geometry().Plot();
    rubberBand_->setGeometry(
        QRect(QPoint(static_cast<int>(plot.left), pressedAt_->y()), QPoint(static_cast<int>(plot.Right()), at.y()))
            .normalized());
    rubberBand_->show();
}

void BandChartCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressedAt_) return QWidget::mouseReleaseEvent(event);
    const QPoint from = *pressedAt_;
    pressedAt_.reset();
    if (rubberBand_->isVisible()) {
        rubberBand_->hide();
        if (auto range = Geometry().RangeBetween(from.y(), event->position().y())) {
            SetRange(*range);
            emit rangeChanged();
        }
        return;
    }
    if (const ChartRecord* record = RecordAt(from)) {
        const int id = record->id;
        SetSelectedId(id);
        emit recordChosen(id);
    }
}

BandChartWidget::BandChartWidget(QWidget* parent)
    : QWidget(parent), canvas_(new BandChartCanvas), bands_(new QComboBox), colourings_(new QComboBox) {
    for (const BandPreset& band : BandPresets())
        bands_->addItem(QString::fromUtf8(band.label.data(), static_cast<qsizetype>(band.label.size())));
    for (const auto colouring : {ChartColouring::OnAirNow, ChartColouring::Language, ChartColouring::Target}) {
        const std::string_view name = ColouringName(colouring);
        colourings_->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                             static_cast<int>(colouring));
    }
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(tr("Band:")));
    controls->addWidget(bands_);
    controls->addWidget(new QLabel(tr("Colour:")));
    controls->addWidget(colourings_);
    controls->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(canvas_, 1);

    connect(bands_, &QComboBox::currentIndexChanged, this, [this](int index) {
        const auto presets = BandPresets();
        if (index >= 0 && static_cast<size_t>(index) < presets.size())
            canvas_->SetRange(presets[static_cast<size_t>(index)].range);
    });
    connect(colourings_, &QComboBox::currentIndexChanged, this, [this](int index) {
        canvas_->SetColouring(static_cast<ChartColouring>(colourings_->itemData(index).toInt()));
    });
    connect(canvas_, &BandChartCanvas::recordChosen, this, &BandChartWidget::recordChosen);
    canvas_->SetRange(BandPresets().front().range);
}

bool BandChartWidget::SetBand(std::string_view name) {
    const BandPreset* preset = FindBandPreset(name);
    if (preset == nullptr) return false;
    const int index = static_cast<int>(preset - BandPresets().data());
    if (bands_->currentIndex() == index) {
        canvas_->SetRange(preset->range);
    } else {
        bands_->setCurrentIndex(index);
    }
    return true;
}

}  // namespace zofar
