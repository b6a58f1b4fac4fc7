#include "app/CMainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <array>
#include <exception>

#include "app/AboutDialog.h"
#include "app/IconLibrary.h"
#include "document/SettingsFile.h"
#include "app/StatusPane.h"
#include "document/CZOFDoc.h"
#include "document/StatusTexts.h"
#include "selection/FilterDescription.h"
#include "widgets/ZofarMessageBox.h"
#include "view/ListPort.h"
#include "widgets/QtText.h"

namespace zofar {

namespace {

constexpr int kClockPeriodMs = 1000;
constexpr unsigned kRestoreToMaximized = 2;
constexpr int kPaneMargin = 8;
constexpr int kPaneGap = 6;
constexpr int kSizeGripRoom = 24;
// A filter condition can be long; the tip stays until the mouse leaves the pane.
constexpr int kFilterTipDurationMs = 1000000;

struct ToolbarIcon {
    CommandId id;
    const char* file;
};

constexpr std::array kToolbarIcons{
    ToolbarIcon{CommandId::Open, "open"},
    ToolbarIcon{CommandId::Close, "close"},
    ToolbarIcon{CommandId::Create, "create"},
    ToolbarIcon{CommandId::Delete, "delete"},
    ToolbarIcon{CommandId::Print, "print"},
    ToolbarIcon{CommandId::Clipboard, "clipboard"},
    ToolbarIcon{CommandId::SetFilter, "filter-set"},
    ToolbarIcon{CommandId::DisableFilter, "filter-disable"},
    ToolbarIcon{CommandId::SelectPredefinedFilter, "filter-select"},
    ToolbarIcon{CommandId::ManagePredefinedFilters, "filter-manage"},
    ToolbarIcon{CommandId::Tune, "tune"},
    ToolbarIcon{CommandId::FindCreateStation, "station"},
    ToolbarIcon{CommandId::HelpTopics, "help"},
    ToolbarIcon{CommandId::About, "about"},
};

}  // namespace

CMainFrame::CMainFrame(CZOFDoc& doc, const Clock& clock, std::string manualPath, QWidget* parent)
    : QMainWindow(parent),
      doc_(doc),
      clock_(clock),
      manualPath_(std::move(manualPath)),
      urlOpener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("CMainFrame"));
    // The filter pane's tip is wanted even while another window has the focus.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    sortGroup_ = new QActionGroup(this);
    // No item is checked while no database is open and the sort key is empty.
    sortGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    clockTimer_.setInterval(kClockPeriodMs);
    connect(&clockTimer_, &QTimer::timeout, this, &CMainFrame::OnClockTick);
    resize(1000, 680);
    SetMainTitle({});
    RefreshStatus();
    UpdateMinimumSize();
    doc_.AddView(*this);
}

CMainFrame::~CMainFrame() { doc_.RemoveView(*this); }

void CMainFrame::CreateMenus() {
    for (const auto& menuInfo : Menus()) {
        QMenu* menu = menuBar()->addMenu(Text(menuInfo.title));
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::RefreshStatus);
        for (const auto& entry : menuInfo.entries) {
            if (entry.id == CommandId::None) {
                menu->addSeparator();
                continue;
            }
            const CommandInfo* info = FindCommand(entry.id);
            QAction* action = menu->addAction(Text(info->text));
            action->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(info->id)));
            action->setStatusTip(Text(StatusPrompt(info->prompt)));
            action->setToolTip(Text(ToolTipPrompt(info->prompt)));
            // Menus show check marks the classic way; an icon would take the mark's place.
            action->setIconVisibleInMenu(false);
            if (!info->key.empty()) {
                action->setShortcut(QKeySequence(Text(info->key)));
                action->setShortcutContext(Qt::WindowShortcut);
            }
            action->setCheckable(info->check != CheckRule::None);
            if (info->check == CheckRule::SortKey) sortGroup_->addAction(action);
            const CommandId id = info->id;
            connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
            addAction(action);
            actions_[id] = action;
        }
    }
}

void CMainFrame::CreateToolBar() {
    toolBar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolBar_->setObjectName(QStringLiteral("MainToolBar"));
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setIconSize(QSize(20, 20));
    for (const auto& icon : kToolbarIcons) {
        actions_.at(icon.id)->setIcon(IconLibrary::Icon(QLatin1String(icon.file)));
    }
    for (CommandId id : ToolbarSlots()) {
        if (id == CommandId::None) {
            toolBar_->addSeparator();
        } else {
            toolBar_->addAction(actions_.at(id));
        }
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
    connect(toolBar_, &QToolBar::visibilityChanged, this, &CMainFrame::RefreshStatus);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    // The message pane is a pane of its own, so that it and the filter pane share the free width:
    // the message takes what its text needs, the filter condition everything that is left.
    messagePane_ = new StatusPane(bar);
    messagePane_->setObjectName(QStringLiteral("pane0"));
    messagePane_->setMinimumWidth(messagePane_->fontMetrics().horizontalAdvance(Text(kReadyText)) + kPaneMargin);
    bar->addPermanentWidget(messagePane_);
    const std::array<std::pair<int, std::string_view>, 4> panes{{
        {kPaneRecordsId, kRecordsSizingText},
        {kPaneSortId, kSortSizingText},
        {kPaneFilterId, kFilterMinimumText},
        {kPaneClockId, kClockSizingText},
    }};
    for (const auto& [id, sizingText] : panes) {
        const bool isFilter = id == kPaneFilterId;
        QLabel* label = isFilter ? new StatusPane(bar) : new QLabel(bar);
        label->setObjectName(QStringLiteral("pane%1").arg(id));
        label->setTextFormat(Qt::PlainText);
        const int width = label->fontMetrics().horizontalAdvance(Text(sizingText)) + kPaneMargin;
        if (isFilter) {
            label->setMinimumWidth(width);
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        } else {
            label->setFixedWidth(width);
        }
        bar->addPermanentWidget(label, isFilter ? 1 : 0);
        panes_[id] = label;
    }
    filterPane_ = static_cast<StatusPane*>(panes_.at(kPaneFilterId));
    filterPane_->setToolTipDuration(kFilterTipDurationMs);
    // A prompt that is taken away (the mouse left a menu item) gives way to the idle text.
    connect(bar, &QStatusBar::messageChanged, bar, [this, bar](const QString& message) {
        if (message.isEmpty()) {
            bar->showMessage(Text(kReadyText));
        } else {
            messagePane_->SetFullText(message);
        }
    });
    bar->showMessage(Text(kReadyText));
}

void CMainFrame::UpdateMinimumSize() {
    // Every menu title stays on the menu bar; the toolbar folds its last buttons into its
    // extension menu, and the list view asks for the height of a few rows itself.
    const QSize layoutMinimum = minimumSizeHint();
    // The bar's own hint leaves out the gaps between its panes and the size grip.
    int barWidth = kSizeGripRoom + kPaneGap + messagePane_->minimumWidth();
    for (const auto& [id, pane] : panes_) barWidth += pane->minimumWidth() + kPaneGap;
    for (const QPointer<QWidget>& pane : addedPanes_) {
        if (pane) barWidth += pane->minimumWidth() + kPaneGap;
    }
    const int width = std::max({layoutMinimum.width(), menuBar()->sizeHint().width(), barWidth});
    setMinimumSize(width, layoutMinimum.height());
}

void CMainFrame::Activate() {
    setWindowIcon(IconLibrary::ProgramIcon());
    SetMainTitle(doc_.DatabaseName());

    bool toolbarVisible = true;
    bool statusbarVisible = true;
    WindowPlacement placement;
    const bool loaded = LoadWindowPlacementFile(doc_.Paths().settingsFile, placement, toolbarVisible, statusbarVisible);
    toolBar_->setVisible(toolbarVisible);
    statusBar()->setVisible(statusbarVisible);
    if (loaded) ApplyPlacement(placement);

    clockTimer_.start();
    OnClockTick();
    RefreshStatus();

    if (!loaded) {
        show();
    } else if (placement.showCmd == kShowMaximized) {
        showMaximized();
    } else if (placement.showCmd == kShowMinimized) {
        setWindowState((placement.flags & kRestoreToMaximized) ? (Qt::WindowMinimized | Qt::WindowMaximized)
                                                               : Qt::WindowMinimized);
        show();
    } else {
        showNormal();
    }
}

WindowPlacement CMainFrame::CurrentPlacement() const {
    WindowPlacement p;
    QRect r = normalGeometry();
    if (!r.isValid()) r = geometry();
    p.left = r.x();
    p.top = r.y();
    p.right = r.x() + r.width();
    p.bottom = r.y() + r.height();
    p.minX = p.minY = p.maxX = p.maxY = -1;
    if (isMinimized()) {
        p.showCmd = kShowMinimized;
        if (windowState() & Qt::WindowMaximized) p.flags = kRestoreToMaximized;
    } else if (isMaximized()) {
        p.showCmd = kShowMaximized;
    } else {
        p.showCmd = kShowNormal;
    }
    return p;
}

void CMainFrame::ApplyPlacement(const WindowPlacement& placement) {
    const QRect r(placement.left, placement.top, placement.right - placement.left, placement.bottom - placement.top);
    // A rectangle without area cannot be a window; the default size is better than none.
    if (r.width() > 0 && r.height() > 0) setGeometry(r);
}

bool CMainFrame::ExecuteCommand(CommandId id) {
    if (closed_ || !FindCommand(id)) return false;
    try {
        RefreshStatus();
        if (!actions_.at(id)->isEnabled()) return false;
        if (!RunFrameCommand(id)) doc_.Execute(id);
    } catch (const std::exception& e) {
        ZofarMessageBox::Show(this, e.what());
    }
    if (!closed_) RefreshStatus();
    return true;
}

void CMainFrame::ExecuteCommandById(int id) {
    if (const CommandInfo* info = FindCommandById(id)) ExecuteCommand(info->id);
}

bool CMainFrame::RunFrameCommand(CommandId id) {
    if (id == CommandId::Exit) {
        close();
    } else if (id == CommandId::ViewToolbar) {
        toolBar_->setVisible(!toolBar_->isVisibleTo(this));
    } else if (id == CommandId::ViewStatusBar) {
        statusBar()->setVisible(!statusBar()->isVisibleTo(this));
    } else if (id == CommandId::HelpTopics) {
        OpenManual();
    } else if (id == CommandId::About) {
        AboutDialog about(this);
        about.exec();
    } else if (const auto it = programCommands_.find(id); it != programCommands_.end()) {
        it->second();
    } else {
        return false;
    }
    return true;
}

void CMainFrame::OpenManual() {
    const QString path = QString::fromStdString(manualPath_);
    if (!QFileInfo(path).isFile()) {
        ZofarMessageBox::Show(this, "The help file \"" + manualPath_ + "\" was not found!");
        return;
    }
    if (!urlOpener_(QUrl::fromLocalFile(path))) {
        ZofarMessageBox::Show(
            this, "The help file \"" + manualPath_ + "\" could not be opened!\nPlease open it with a web browser.");
    }
}

void CMainFrame::SetProgramCommand(CommandId id, std::function<void()> run) {
    if (run) {
        programCommands_[id] = std::move(run);
    } else {
        programCommands_.erase(id);
    }
}

void CMainFrame::SetRigConnectionQuery(std::function<bool()> isOn) { rigConnected_ = std::move(isOn); }

void CMainFrame::AddStatusPane(QWidget* pane) {
    // The message pane and the panes before the clock come first.
    statusBar()->insertPermanentWidget(static_cast<int>(panes_.size()), pane);
    addedPanes_.emplace_back(pane);
    UpdateMinimumSize();
}

void CMainFrame::SetUrlOpener(std::function<bool(const QUrl&)> opener) { urlOpener_ = std::move(opener); }

void CMainFrame::RefreshStatus() {
    if (closed_) return;
    try {
        CommandContext context;
        context.databaseOpen = doc_.IsOpen();
        context.filterOn = doc_.FilterIsOn();
        context.toolbarVisible = toolBar_->isVisibleTo(this);
        context.statusBarVisible = statusBar()->isVisibleTo(this);
        context.sortKey = doc_.SortKey();
        context.rigConnected = rigConnected_ && rigConnected_();
        context.sortDescending = doc_.SortDescending();
        for (const auto& [id, action] : actions_) {
            const CommandState state = EvaluateCommand(id, context);
            action->setEnabled(state.enabled);
            if (state.checkable) action->setChecked(state.checked);
        }

        panes_.at(kPaneRecordsId)
            ->setText(QString::fromStdString(RecordsPaneText(context.databaseOpen ? doc_.RecordCount() : 0)));
        panes_.at(kPaneSortId)->setText(QString::fromStdString(SortPaneText(doc_.SortKey())));
        const DocumentSettings& settings = doc_.Settings();
        const std::string filterText = FilterPaneText(DescribeFilter(settings.criteria, settings.bFilter, doc_.Store().Columns().extension));
        const QString filterTip = QString::fromStdString(FilterPaneTip(filterText, doc_.BuildFilterCondition()));
        filterPane_->SetFullText(QString::fromStdString(filterText));
        // The condition of the on-air-now test changes with the clock while the words stay.
        if (filterPane_->toolTip() != filterTip) filterPane_->setToolTip(filterTip);
    } catch (const std::exception&) {
        // The panes keep their last texts; the next pass tries again.
    }
}

void CMainFrame::OnClockTick() {
    try {
        panes_.at(kPaneClockId)->setText(QString::fromStdString(ClockPaneText(clock_.NowUtc())));
    } catch (const std::exception&) {
        // The clock shows its last time until the next tick.
    }
    try {
        doc_.OnClockSecond();
    } catch (const std::exception& e) {
        ZofarMessageBox::Show(this, e.what());
    }
}

void CMainFrame::OnDocumentNotice(DocumentNotice) {
    if (!closed_) RefreshStatus();
}

void CMainFrame::SetListView(QWidget* view, ListPort* port) {
    setCentralWidget(view);
    listWidget_ = view;
    listPort_ = port;
    UpdateMinimumSize();
}

ListPort* CMainFrame::ListView() const { return listWidget_ ? listPort_ : nullptr; }

void CMainFrame::ShowStatusMessage(const std::string& text) {
    statusBar()->showMessage(QString::fromStdString(text));
    // The message pane takes the width of its new text before the bar is painted: a long
    // operation keeps the event loop that would lay the bar out waiting.
    if (QLayout* layout = statusBar()->layout()) layout->activate();
    statusBar()->repaint();
}

void CMainFrame::SetMainTitle(const std::string& databaseName) {
    setWindowTitle(QString::fromStdString(MainTitleText(databaseName)));
}

QAction* CMainFrame::Action(CommandId id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QLabel* CMainFrame::Pane(int indicatorId) const {
    const auto it = panes_.find(indicatorId);
    return it == panes_.end() ? nullptr : it->second;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    bool quit = false;
    try {
        quit = RunQuitSequence();
    } catch (const std::exception& e) {
        ZofarMessageBox::Show(this, e.what());
    }
    if (quit) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool CMainFrame::RunQuitSequence() {
    if (!doc_.Quit()) return false;
    const bool toolbarVisible = toolBar_->isVisibleTo(this);
    const bool statusbarVisible = statusBar()->isVisibleTo(this);
    SaveWindowPlacementFile(doc_.Paths().settingsFile, CurrentPlacement(), toolbarVisible, statusbarVisible);
    clockTimer_.stop();
    closed_ = true;
    doc_.OnCloseDocument();
    return true;
}

}  // namespace zofar
