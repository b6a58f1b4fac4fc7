#include "app/ScheduleDocks.h"

#include <QAction>
#include <QDockWidget>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QMenu>
#include <QMenuBar>

#include <exception>

#include "app/CMainFrame.h"
#include "base/IniFile.h"
#include "chart/BandChartPainter.h"
#include "chart/BandChartWidget.h"
#include "chart/ChartFile.h"
#include "chart/ChartRecordReader.h"
#include "chart/ComingUpWidget.h"
#include "document/CZOFDoc.h"
#include "store/RecordStore.h"
#include "widgets/QtText.h"
#include "widgets/ZofarMessageBox.h"

namespace zofar {

namespace {

constexpr std::string_view kWindow = "Window";
constexpr std::string_view kChartKey = "BandChart";
constexpr std::string_view kComingUpKey = "ComingUp";

QMenu* ViewMenu(CMainFrame& frame) {
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->menu() && action->text().remove('&') == QStringLiteral("View")) return action->menu();
    }
    return nullptr;
}

}  // namespace

ScheduleDocks::ScheduleDocks(CZOFDoc& doc, CMainFrame& frame, std::string settingsFile)
    : QObject(nullptr),
      doc_(doc),
      settingsFile_(std::move(settingsFile)),
      chartDock_(new QDockWidget(QStringLiteral("Band chart"), &frame)),
      comingDock_(new QDockWidget(QStringLiteral("Coming up"), &frame)),
      chart_(new BandChartWidget),
      coming_(new ComingUpWidget(comingDock_)) {
    chartDock_->setObjectName(QStringLiteral("bandChartDock"));
    comingDock_->setObjectName(QStringLiteral("comingUpDock"));
    // The chart with its two ways out: a file and the printer.
    auto* chartPane = new QWidget(chartDock_);
    auto* layout = new QVBoxLayout(chartPane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chart_, 1);
    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(QStringLiteral("S&ave chart..."), chartPane);
    auto* print = new QPushButton(QStringLiteral("Print c&hart..."), chartPane);
    save->setObjectName(QStringLiteral("saveChartButton"));
    print->setObjectName(QStringLiteral("printChartButton"));
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(print);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, &ScheduleDocks::AskSaveChart);
    connect(print, &QPushButton::clicked, this, &ScheduleDocks::AskPrintChart);
    chartDock_->setWidget(chartPane);
    comingDock_->setWidget(coming_);
    frame.addDockWidget(Qt::BottomDockWidgetArea, chartDock_);
    frame.addDockWidget(Qt::RightDockWidgetArea, comingDock_);
    chartDock_->toggleViewAction()->setText(QStringLiteral("&Band chart"));
    comingDock_->toggleViewAction()->setText(QStringLiteral("&Coming up"));
    if (QMenu* view = ViewMenu(frame)) {
        view->addSeparator();
        view->addAction(chartDock_->toggleViewAction());
        view->addAction(comingDock_->toggleViewAction());
    }

    const IniFile ini = IniFile::Load(settingsFile_);
    chartDock_->setVisible(ini.GetInt(kWindow, kChartKey, 0) == 1);
    comingDock_->setVisible(ini.GetInt(kWindow, kComingUpKey, 0) == 1);
    restoring_ = false;

    for (QDockWidget* dock : {chartDock_, comingDock_}) {
        connect(dock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
            KeepVisibility();
            if (visible) Reload();
        });
    }
    connect(chart_, &BandChartWidget::recordChosen, this, &ScheduleDocks::Choose);
    connect(coming_, &ComingUpWidget::recordChosen, this, &ScheduleDocks::Choose);
    doc_.AddView(*this);
}

ScheduleDocks::~ScheduleDocks() { doc_.RemoveView(*this); }

void ScheduleDocks::OnDocumentNotice(DocumentNotice notice) {
    try {
        switch (notice) {
        case DocumentNotice::DatabaseChanged:
        case DocumentNotice::RecordsReloaded: Reload(); break;
        // A selection that follows the clock is queried again right after the minute, and that
        // reload follows; reading it now as well would read every row twice a minute.
        case DocumentNotice::MinutePassed:
            if (!doc_.FollowsClock()) Reload();
            break;
        case DocumentNotice::CurrentMoved: ShowCurrent(); break;
        case DocumentNotice::Repaint: break;
        }
    } catch (const std::exception&) {
        // A view beside the list must never take the document's notice down with it; the
        // store has reported any error of its own.
    }
}

bool ScheduleDocks::Shown() const {
    return chartDock_->isVisibleTo(chartDock_->parentWidget()) || comingDock_->isVisibleTo(comingDock_->parentWidget());
}

void ScheduleDocks::Reload() {
    // Hidden docks read nothing: every row read would fill the list's cache for no one.
    if (!Shown()) return;
    const UtcTime now = doc_.NowUtc();
    std::vector<ChartRecord> records;
    if (doc_.Store().HasBrowseSet()) {
        auto read = ReadChartRecords(doc_.Store(), doc_.BuildFilterCondition(), BuildSortText(doc_.SortKey(), doc_.SortDescending()), now);
        if (read) records = std::move(*read);
    }
    chart_->SetNow(now);
    coming_->SetNow(now);
    coming_->SetRecords(records);
    chart_->SetRecords(std::move(records));
    ShowCurrent();
}

void ScheduleDocks::ShowCurrent() {
    if (!Shown()) return;
    const int row = doc_.CurrentPosition();
    int id = -1;
    if (row >= 0) {
        const FieldValue value = doc_.Store().GetFieldValue(row, kUniqueIdField);
        if (const auto* key = std::get_if<int64_t>(&value)) id = static_cast<int>(*key);
    }
    chart_->SetSelectedId(id);
    coming_->SetSelectedId(id);
}

void ScheduleDocks::Choose(int recordId) {
    try {
        doc_.SelectRecord(recordId);
    } catch (const std::exception&) {
        // The list stays where it was.
    }
}

std::string ScheduleDocks::SaveChart(const std::string& path) const {
    const BandChartScene scene = chart_->Canvas()->Scene();
    const QSize size = chart_->Canvas()->size().expandedTo(QSize(800, 500));
    return SaveBandChart(path, scene, size.width(), size.height());
}

bool ScheduleDocks::PrintChart(QPrinter& printer) const {
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    PaintBandChart(painter, chart_->Canvas()->Scene(), page.width(), page.height());
    return painter.end();
}

void ScheduleDocks::AskSaveChart() {
    try {
        const QString path = QFileDialog::getSaveFileName(
            chartDock_, QStringLiteral("Save the band chart"), QString(),
            QStringLiteral("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
        if (path.isEmpty()) return;
        const std::string error = SaveChart(Utf8(path));
        if (!error.empty()) ZofarMessageBox::Show(chartDock_, error);
    } catch (const std::exception& e) {
        ZofarMessageBox::Show(chartDock_, e.what());
    }
}

void ScheduleDocks::AskPrintChart() {
    try {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, chartDock_);
        if (dialog.exec() != QDialog::Accepted) return;
        if (!PrintChart(printer)) ZofarMessageBox::Show(chartDock_, "The band chart could not be printed.");
    } catch (const std::exception& e) {
        ZofarMessageBox::Show(chartDock_, e.what());
    }
}

void ScheduleDocks::KeepVisibility() {
    if (restoring_) return;
    IniFile ini = IniFile::Load(settingsFile_);
    const QWidget* frame = chartDock_->parentWidget();
    ini.SetInt(kWindow, kChartKey, chartDock_->isVisibleTo(frame) ? 1 : 0);
    ini.SetInt(kWindow, kComingUpKey, comingDock_->isVisibleTo(frame) ? 1 : 0);
    ini.Save(settingsFile_);
}

}  // namespace zofar
