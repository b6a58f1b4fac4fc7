#pragma once

#include <QTableView>

#include <optional>
#include <utility>

#include "view/DocumentView.h"
#include "view/ListPort.h"

namespace zofar {

class RecordTableModel;

/// The record list: one row per record of the browse set, the 24 list fields and the extra
/// fields the database has as columns whose order and widths
/// the user may change, the on-air marker in the first column, header clicks that sort and
/// go to, a row double-click that tunes, and the markers' refresh at every minute.
class CZOFView : public QTableView, public ListPort, public DocumentView {
    Q_OBJECT
public:
    /// `doc` must outlive the view. The list has no columns until a database is opened.
    explicit CZOFView(const DocumentReader& doc, QWidget* parent = nullptr);
    ~CZOFView() override;

    // ListPort
    void UpdateViews(ViewHint hint) override;
    ListRows GetListRows() override;
    /// The column order and widths the header shows now; nothing while no database is open.
    std::optional<ColumnLayout> CaptureColumnLayout() override;
    bool NoteStoreError() override;
    /// While off, the minute tick neither requeries nor repaints: the clipboard export and
    /// printing walk the browse set and must find it where they left it.
    void SetLiveUpdates(bool on) override { liveUpdates_ = on; }

    /// The selected row, or -1.
    int GetSelectedRow() const;
    /// The topmost visible row and the last row on the screen (cut at the end of the list).
    std::pair<int, int> GetScreenRows() const;
    /// The number of rows that fit on the screen.
    int RowsPerPage() const;

    bool LiveUpdates() const { return liveUpdates_; }

    // DocumentView: a new minute resamples the clock for the on-air marks and repaints them.
    void OnDocumentNotice(DocumentNotice notice) override;

    RecordTableModel& Model() const { return *model_; }
    /// The average character width of the list's font, in pixels.
    int AverageCharWidth() const;

    /// Rows only: the list never scrolls sideways to reach a cell, so the columns the user
    /// scrolled to stay in view while the selection moves.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    /// Typing letters selects nothing: a search would read every row of the browse set.
    void keyboardSearch(const QString& search) override;
    /// Room for the header and a few rows, so a window at its smallest still shows records.
    QSize minimumSizeHint() const override;

signals:
    /// A menu command the list asks the main window to run: a sort or go-to command from a
    /// header click, the Tune command from a row double-click.
    void CommandRequested(int commandId);
    /// A header click on a column that has no sort command asks to sort by its field's name.
    void SortRequested(const QString& sortKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /// A smaller window keeps the selected row in view.
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    void BuildColumns();
    void TearDownColumns();
    void ReloadRowCount();
    void ShowCurrentPosition();
    void EnsureRowVisible(int row);
    void SampleTime();
    void RepaintRows();
    /// The field list column `column` shows, or -1.
    int FieldOfColumn(int column) const;
    void OnHeaderClicked(int column);
    void OnHeaderDoubleClicked(int column);
    void OnRowDoubleClicked(const QModelIndex& index);
    /// Puts the header's sort mark on the column of the document's sort key, or on none.
    void ShowSortKey();

    const DocumentReader& doc_;
    RecordTableModel* model_;
    bool liveUpdates_ = true;
    Qt::MouseButton doubleClickButton_ = Qt::NoButton;
    /// The header saw a double-click since its last press.
    bool headerDoubleClicked_ = false;
};

}  // namespace zofar
