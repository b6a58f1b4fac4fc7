#include "view/CZOFView.h"

#include <QHeaderView>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <exception>

#include "base/CommandId.h"
#include "store/RecordStore.h"
#include "view/ColumnLayoutRules.h"
#include "view/HeaderCommands.h"
#include "view/RecordTableModel.h"
#include "view/ViewUpdates.h"

Q_LOGGING_CATEGORY(lcView, "zofar.view")

namespace zofar {
namespace {

constexpr int kMinimumRows = 4;

// Slots hand work to the document and the main window; whatever goes wrong there must not
// unwind through the event loop.
template <typename F>
void Guarded(const char* what, F&& work) {
    try {
        work();
    } catch (const std::exception& e) {
        qCWarning(lcView) << what << "failed:" << e.what();
    }
}

}  // namespace

CZOFView::CZOFView(const DocumentReader& doc, QWidget* parent)
    : QTableView(parent), doc_(doc), model_(new RecordTableModel(doc.Store(), this)) {
    setModel(model_);
    setShowGrid(true);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setIconSize(QSize(16, 12));
    setSortingEnabled(false);
    // Tab leaves the list instead of walking its cells.
    setTabKeyNavigation(false);

    // The selection stays visible while the focus is elsewhere (a dialog, the toolbar).
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);

    QHeaderView* header = horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    // A column may be dragged nearly shut; below 8 pixels it counts as hidden for output.
    header->setMinimumSectionSize(0);
    // A double-click on a divider fits the column to the rows on the screen only; measuring
    // further rows would read them from the database.
    header->setResizeContentsPrecision(0);
    header->viewport()->installEventFilter(this);
    // The mark follows the document's sort key only. The header moves it on every click by
    // itself, also onto columns that cannot be sorted by, so it is put back at once; a sort the
    // click starts then moves it with its view update.
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header, &QHeaderView::sortIndicatorChanged, this, &CZOFView::ShowSortKey);
    connect(header, &QHeaderView::sectionClicked, this, &CZOFView::OnHeaderClicked);
    connect(header, &QHeaderView::sectionDoubleClicked, this, &CZOFView::OnHeaderDoubleClicked);
    connect(this, &QAbstractItemView::doubleClicked, this, &CZOFView::OnRowDoubleClicked);

    SampleTime();
}

CZOFView::~CZOFView() = default;

void CZOFView::UpdateViews(ViewHint hint) {
    // Every update is a fresh start for cells that could not be read before.
    model_->ReadAgain();
    switch (hint) {
    case kHintRepaint: RepaintRows(); break;
    case kHintDatabaseChanged:
        if (doc_.Store().HasBrowseSet()) {
            BuildColumns();
        } else {
            TearDownColumns();
        }
        RepaintRows();
        break;
    case kHintRequeried:
        ReloadRowCount();
        RepaintRows();
        break;
    case kHintShowCurrent: ShowCurrentPosition(); break;
    }
    ShowSortKey();
}

void CZOFView::ShowSortKey() {
    const std::optional<int> field =
        model_->ColumnsShown() ? HeaderCommands::SortedColumn(doc_.SortKey()) : std::nullopt;
    const int section = field ? model_->ColumnOfField(*field) : -1;
    QHeaderView* header = horizontalHeader();
    const Qt::SortOrder order = doc_.SortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder;
    if (header->sortIndicatorSection() != section || header->sortIndicatorOrder() != order) {
        header->setSortIndicator(section, order);
    }
}

void CZOFView::BuildColumns() {
    if (model_->ColumnsShown()) {
        ReloadRowCount();
        return;
    }
    model_->SetDevicePixelRatio(devicePixelRatioF());
    model_->SetColumnsShown(true, doc_.Store().RecordCount(), doc_.Store().Columns());
    const ColumnGeometry g = ApplyColumnLayout(doc_.SavedLayout(), AverageCharWidth(), doc_.Store().Columns());
    QHeaderView* header = horizontalHeader();
    const auto count = static_cast<int>(g.fields.size());
    for (int c = 0; c < count; ++c) header->resizeSection(c, g.width[static_cast<size_t>(c)]);
    for (int p = 0; p < count; ++p) {
        const auto c = static_cast<int>(std::find(g.position.begin(), g.position.end(), p) - g.position.begin());
        header->moveSection(header->visualIndex(c), p);
    }
    SampleTime();
}

// The document has kept the layout the user left before it sent this update.
void CZOFView::TearDownColumns() {
    model_->SetColumnsShown(false, 0);
}

void CZOFView::ReloadRowCount() { model_->SetRowCount(doc_.Store().HasBrowseSet() ? doc_.Store().RecordCount() : 0); }

void CZOFView::ShowCurrentPosition() {
    if (!doc_.Store().HasBrowseSet()) return;
    const int rows = model_->rowCount();
    const auto plan = ViewUpdates::PlanShowCurrent(doc_.CurrentPosition(), doc_.FollowsClock(),
                                                   rows, RowsPerPage());
    if (!plan) return;
    if (plan->selectRow < rows) {
        const int column = currentIndex().isValid() ? currentIndex().column() : horizontalHeader()->logicalIndex(0);
        selectionModel()->setCurrentIndex(model_->index(plan->selectRow, std::max(column, 0)),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    // The rows may just have changed; the scroll range must know before rows are scrolled to.
    executeDelayedItemsLayout();
    EnsureRowVisible(plan->scrollFirst);
    EnsureRowVisible(plan->scrollThen);
    RepaintRows();
}

void CZOFView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    // The scroll range follows the new height only once the layout has run.
    Guarded("resize", [this] {
        if (!model_->ColumnsShown()) return;
        updateGeometries();
        EnsureRowVisible(GetSelectedRow());
    });
}

void CZOFView::EnsureRowVisible(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    QScrollBar* bar = verticalScrollBar();
    const int top = bar->value();
    const int perPage = std::max(RowsPerPage(), 1);
    if (row < top) {
        bar->setValue(row);
    } else if (row > top + perPage - 1) {
        bar->setValue(row - perPage + 1);
    }
}

ListRows CZOFView::GetListRows() {
    const auto [first, last] = GetScreenRows();
    ListRows rows;
    rows.selected = GetSelectedRow();
    rows.firstVisible = first;
    rows.lastVisible = last;
    return rows;
}

int CZOFView::GetSelectedRow() const {
    if (selectionModel() == nullptr) return -1;
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

std::pair<int, int> CZOFView::GetScreenRows() const {
    const int rows = model_->rowCount();
    const int first = rows > 0 ? std::clamp(verticalScrollBar()->value(), 0, rows - 1) : 0;
    const ListRows screen = ViewUpdates::ScreenRows(-1, first, RowsPerPage(), rows);
    return {screen.firstVisible, screen.lastVisible};
}

int CZOFView::RowsPerPage() const {
    const int rowHeight = verticalHeader()->defaultSectionSize();
    return rowHeight > 0 ? viewport()->height() / rowHeight : 0;
}

std::optional<ColumnLayout> CZOFView::CaptureColumnLayout() {
    if (!model_->ColumnsShown()) return std::nullopt;
    const QHeaderView* header = horizontalHeader();
    ColumnGeometry shown;
    shown.fields = model_->Fields();
    shown.averageCharWidth = AverageCharWidth();
    for (int c = 0; c < static_cast<int>(shown.fields.size()); ++c) {
        shown.position.push_back(header->visualIndex(c));
        shown.width.push_back(header->sectionSize(c));
    }
    return zofar::CaptureColumnLayout(shown, doc_.SavedLayout());
}

bool CZOFView::NoteStoreError() { return model_->NoteStoreError(); }

int CZOFView::AverageCharWidth() const {
    return zofar::AverageCharWidth(fontMetrics().horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ")));
}

void CZOFView::SampleTime() { model_->SetAirTime(OnAirTest::At(doc_.NowUtc())); }

void CZOFView::RepaintRows() { viewport()->update(); }

void CZOFView::OnDocumentNotice(DocumentNotice notice) {
    if (notice != DocumentNotice::MinutePassed || !model_->ColumnsShown()) return;
    Guarded("minute refresh", [this] {
        model_->ReadAgain();
        SampleTime();
        RepaintRows();
    });
}

int CZOFView::FieldOfColumn(int column) const {
    const std::vector<int>& fields = model_->Fields();
    return column >= 0 && column < static_cast<int>(fields.size()) ? fields[static_cast<size_t>(column)] : -1;
}

void CZOFView::OnHeaderClicked(int column) {
    Guarded("header command", [this, column] {
        // The release that ends a double-click is no click of its own: it would reverse the
        // order the double-click's first click has just set.
        if (headerDoubleClicked_) return;
        const int field = FieldOfColumn(column);
        if (const auto command = HeaderCommands::ClickCommand(field, doc_.SortKey())) {
            emit CommandRequested(*command);
        } else if (const auto key = HeaderCommands::ClickSortKey(field)) {
            emit SortRequested(QString::fromStdString(*key));
        }
    });
}

void CZOFView::OnHeaderDoubleClicked(int column) {
    Guarded("header command", [this, column] {
        if (const auto command = HeaderCommands::DoubleClickCommand(FieldOfColumn(column))) {
            emit CommandRequested(*command);
        }
    });
}

bool CZOFView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == horizontalHeader()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) headerDoubleClicked_ = false;
        if (event->type() == QEvent::MouseButtonDblClick) headerDoubleClicked_ = true;
    }
    // The header reports double-clicks of every button; only the left one opens a go-to search.
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

QModelIndex CZOFView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    // The keys work on rows, as in any record list: Home and End go to the first and last
    // record, Left and Right scroll the columns without moving the selection.
    const QModelIndex current = currentIndex();
    const int rows = model_->rowCount();
    const int column = current.isValid() ? current.column() : std::max(horizontalHeader()->logicalIndex(0), 0);
    switch (cursorAction) {
    case MoveHome: return rows > 0 ? model_->index(0, column) : QModelIndex();
    case MoveEnd: return rows > 0 ? model_->index(rows - 1, column) : QModelIndex();
    case MoveLeft: horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub); return current;
    case MoveRight: horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); return current;
    case MoveUp:
    case MoveDown:
    case MovePageUp:
    case MovePageDown:
    case MoveNext:
    case MovePrevious: break;
    }
    return QTableView::moveCursor(cursorAction, modifiers);
}

void CZOFView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QScrollBar* sideways = horizontalScrollBar();
    const int keep = sideways->value();
    QTableView::scrollTo(index, hint);
    sideways->setValue(keep);
}

void CZOFView::keyboardSearch(const QString&) {}

QSize CZOFView::minimumSizeHint() const {
    const int frame = 2 * frameWidth();
    const int rowHeight = verticalHeader()->defaultSectionSize();
    const int headerHeight = std::max(horizontalHeader()->sizeHint().height(), rowHeight);
    const int scrollBar = horizontalScrollBar()->sizeHint().height();
    return {QTableView::minimumSizeHint().width(), frame + headerHeight + kMinimumRows * rowHeight + scrollBar};
}

void CZOFView::mouseDoubleClickEvent(QMouseEvent* event) {
    doubleClickButton_ = event->button();
    QTableView::mouseDoubleClickEvent(event);
    doubleClickButton_ = Qt::NoButton;
}

void CZOFView::OnRowDoubleClicked(const QModelIndex& index) {
    if (doubleClickButton_ != Qt::LeftButton || !index.isValid()) return;
    Guarded("tune", [this] { emit CommandRequested(static_cast<int>(CommandId::Tune)); });
}

}  // namespace zofar
