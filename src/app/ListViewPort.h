#pragma once

#include <optional>

#include "app/DocumentSettings.h"
#include "app/DocumentUi.h"

namespace zofar {

/// What the document's screen needs of the record list. The list view implements it and is
/// attached to the main window with CMainFrame::SetListView; until then the screen answers
/// with no rows and no layout.
class ListViewPort {
public:
    virtual ~ListViewPort() = default;

    /// A view update sent by the document.
    virtual void OnUpdate(ViewHint hint) = 0;
    /// The selected row and the rows on the screen.
    virtual ListRows GetListRows() = 0;
    /// The list's current column order and widths; nothing when the list has no columns.
    virtual std::optional<ColumnLayout> CaptureColumnLayout() = 0;
    /// Told before a database error is shown, so that a list which met it while reading its
    /// cells stops reading instead of reporting it again for every cell.
    virtual void NoteStoreError() {}
};

}  // namespace zofar
