#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "store/BroadcastRecord.h"

namespace zofar {

/// Turns reads of an ILG text list into records. One parser keeps one record and refills it
/// for every read, so a long list costs no allocation per field.
class IlgLineParser {
public:
    /// The record of one read (CP1252 bytes, with its line end when it has one), valid until
    /// the next call; nullptr when the read has no valid time field. The line end is never part
    /// of a value, and every column the list fills is set afresh, so nothing carries over from
    /// the read before.
    const BroadcastRecord* Parse(std::string_view read);

private:
    void SetConverted(int column, std::string_view bytes);

    BroadcastRecord record_;
    std::string areas_;
    bool asciiRead_ = false;
};

/// IlgLineParser::Parse as a value of its own.
std::optional<BroadcastRecord> ParseIlgLine(std::string_view read);

/// The frequency field (columns 0-6) in kHz: a decimal number after optional leading white
/// space that fills the field to its end; 0.0 for anything else, including hexadecimal,
/// infinite and NaN forms. The decimal point is "." whatever the process locale.
double ParseIlgFrequency(std::string_view field);

}  // namespace zofar
