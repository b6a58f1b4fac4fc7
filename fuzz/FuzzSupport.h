#pragma once

// What the fuzz targets share: checks that end the run so libFuzzer keeps the input, a screen
// that answers Yes and shows nothing, and a record sink that checks every record is one the
// store can take.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "base/TextEncoding.h"
#include "import/ImportUi.h"
#include "store/BroadcastRecord.h"
#include "store/ColumnTable.h"
#include "store/RecordStore.h"

namespace zofar::fuzz {

/// Aborts with `what`: libFuzzer reports it as a crash and saves the input.
inline void Check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline std::string_view Bytes(const uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

/// Cuts the input into pieces: each piece takes its length from the byte in front of it, the
/// last piece takes the rest.
class Pieces {
public:
    explicit Pieces(std::string_view bytes) : rest_(bytes) {}

    std::string_view Next() {
        if (rest_.empty()) return {};
        const std::size_t length = static_cast<uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        const std::string_view piece = rest_.substr(0, length);
        rest_.remove_prefix(piece.size());
        return piece;
    }
    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};

/// A progress window that checks its position stays within its range.
class CheckedProgress : public ImportProgress {
public:
    void SetRange(int lower, int upper) override {
        Check(lower <= upper, "the progress range is reversed");
        lower_ = lower;
        upper_ = upper;
    }
    void SetPosition(int position) override {
        Check(position >= lower_ && position <= upper_, "the progress position is outside its range");
    }

private:
    int lower_ = 0;
    int upper_ = 100;
};

/// Says Yes to every question, so an import reads as far as it can.
class YesImportUi : public ImportUi {
public:
    std::unique_ptr<ImportProgress> OpenImportProgress(const std::string&) override {
        return std::make_unique<CheckedProgress>();
    }
    bool AskYesNo(const std::string&) override { return true; }
    void ShowMessage(const std::string&) override {}
};

class SilentReporter : public StoreErrorReporter {
public:
    void ReportStoreError(const std::string&) override {}
};

/// Takes every record after checking it: a finite frequency and texts of valid UTF-8, with
/// `checkSizes` also no longer than their columns.
class CheckingSink : public RecordSink {
public:
    explicit CheckingSink(bool checkSizes) : checkSizes_(checkSizes) {}

    bool AddRecord(const BroadcastRecord& record) override {
        if (record.freq) Check(std::isfinite(*record.freq), "a record's frequency is not finite");
        for (int column = 2; column < kColumnCount; ++column) {
            const auto& text = record.text[static_cast<std::size_t>(column)];
            if (!text) continue;
            Check(IsValidUtf8(*text), "a record's text is not UTF-8");
            if (checkSizes_) {
                Check(
                    Utf8Length(*text) <= static_cast<std::size_t>(kColumnTable[static_cast<std::size_t>(column)].size),
                    "a record's text is longer than its column");
            }
        }
        ++count;
        return true;
    }

    long long count = 0;

private:
    bool checkSizes_;
};

}  // namespace zofar::fuzz
