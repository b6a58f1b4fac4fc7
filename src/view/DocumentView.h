#pragma once

#include <string>

#include "base/Clock.h"
#include "view/ColumnLayout.h"

namespace zofar {

class RecordStore;

/// What changed in the document, as every view hears it.
enum class DocumentNotice {
    Repaint,          ///< the rows look different (nothing else changed)
    DatabaseChanged,  ///< a database was opened or closed: columns come or go
    RecordsReloaded,  ///< the selection was queried again (sort, filter, clock)
    CurrentMoved,     ///< the current record changed
    MinutePassed,     ///< a new minute began: on-air marks may change
};

/// A view of the document beside the list (a chart, a panel): registered with the document,
/// it hears every change the list hears.
class DocumentView {
public:
    virtual ~DocumentView() = default;
    virtual void OnDocumentNotice(DocumentNotice notice) = 0;
};

/// What a view reads of the document. Views read records through the store's side queries or
/// its row reads, which never move the list.
class DocumentReader {
public:
    virtual ~DocumentReader() = default;
    virtual const RecordStore& Store() const = 0;
    virtual const std::string& SortKey() const = 0;
    /// The sort key's order is reversed.
    virtual bool SortDescending() const = 0;
    /// The condition of the current selection; empty for all records.
    virtual std::string BuildFilterCondition() const = 0;
    /// The record the list selects and shows, as a row of the selection; -1 for none.
    virtual int CurrentPosition() const = 0;
    /// The column layout the settings keep for the list.
    virtual const ColumnLayout& SavedLayout() const = 0;
    /// The selection follows the clock (on-air now).
    virtual bool FollowsClock() const = 0;
    virtual UtcTime NowUtc() const = 0;
};

}  // namespace zofar
