#pragma once

namespace zofar {

/// The filter dialog's edits, by which a failed check names the one that gets the focus.
enum class FilterDialogField {
    None,
    Frequency1,
    Frequency2,
    Start,
    End,
    OnairTime,
    Station,
    Stn,
    Location,
    Country,
    Itu,
    Lc,
    Targetarea,
    Language,
    Status,
    P,
    Day
};

}  // namespace zofar
