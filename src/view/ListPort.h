#pragma once

#include <optional>

#include "store/ListRows.h"
#include "view/ColumnLayout.h"

namespace zofar {

/// View updates sent by the document.
enum ViewHint : int {
    kHintRepaint = 0,          ///< repaint the rows
    kHintDatabaseChanged = 1,  ///< database opened or closed: build or remove the columns
    kHintRequeried = 2,        ///< browse set requeried: reload the row count
    kHintShowCurrent = 3,      ///< show and select the current position
};

/// What the document asks of the record list. The list view implements it; everything has a
/// default that fits a screen without a list (no rows, no layout), so the command line and
/// tests that need no list override nothing.
class ListPort {
public:
    virtual ~ListPort() = default;

    /// A view update.
    virtual void UpdateViews(ViewHint) {}
    /// The selected row and the rows on the screen.
    virtual ListRows GetListRows() { return {}; }
    /// The column order and widths the list shows now; nothing while it has no columns.
    virtual std::optional<ColumnLayout> CaptureColumnLayout() { return std::nullopt; }
    /// While off, the list's minute tick neither requeries nor repaints, so a walk over the
    /// browse set (clipboard, printing) finds the rows where it left them.
    virtual void SetLiveUpdates(bool) {}
    /// Told before a database error is shown. True when the list met the error while reading
    /// its cells: it then stops reading instead of reporting the error again for every cell,
    /// and the message must wait until the painting is over.
    virtual bool NoteStoreError() { return false; }
};

}  // namespace zofar
