#include "app/ScheduleDocks.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>

#include <exception>

#include "app/CMainFrame.h"
#include "base/IniFile.h"
#include "chart/BandChartWidget.h"
#include "chart/ChartRecordReader.h"
#include "chart/ComingUpWidget.h"
#include "document/CZOFDoc.h"
#include "store/RecordStore.h"

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
      chart_(new BandChartWidget(chartDock_)),
      coming_(new ComingUpWidget(comingDock_)) {
    chartDock_->setObjectName(QStringLiteral("bandChartDock"));
    comingDock_->setObjectName(QStringLiteral("comingUpDock"));
    chartDock_->setWidget(chart_);
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
        case DocumentNotice::RecordsReloaded:
        case DocumentNotice::MinutePassed: Reload(); break;
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
        auto read = ReadChartRecords(doc_.Store(), doc_.BuildFilterCondition(), BuildSortText(doc_.SortKey()), now);
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

void ScheduleDocks::KeepVisibility() {
    if (restoring_) return;
    IniFile ini = IniFile::Load(settingsFile_);
    const QWidget* frame = chartDock_->parentWidget();
    ini.SetInt(kWindow, kChartKey, chartDock_->isVisibleTo(frame) ? 1 : 0);
    ini.SetInt(kWindow, kComingUpKey, comingDock_->isVisibleTo(frame) ? 1 : 0);
    ini.Save(settingsFile_);
}

}  // namespace zofar
