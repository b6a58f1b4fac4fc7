// The receiver record read from any bytes and written again: once written, a record reads back
// as it was written; and any frequency in kHz either fits the record's field or is refused.
#include <cmath>
#include <cstring>
#include <span>

#include "FuzzSupport.h"
#include "receiver/ReceiverRecord.h"

using namespace zofar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size >= sizeof(double)) {
        double kHz = 0.0;
        std::memcpy(&kHz, data, sizeof kHz);
        if (const auto hz = ReceiverFrequencyHz(kHz)) {
            fuzz::Check(std::isfinite(kHz), "a frequency that is not finite was taken");
        }
    }

    const auto read = DecodeReceiverRecord(std::span<const uint8_t>(data, size));
    fuzz::Check(read.has_value() == (size >= kReceiverRecordSize), "a record of that size is read otherwise");
    if (!read) return 0;
    const RecordSummary summary{0.0, read->station, read->location, read->country, read->itu};
    const ReceiverRecordBytes written = EncodeReceiverRecord(read->hz, summary);
    const auto back = DecodeReceiverRecord(written);
    fuzz::Check(back.has_value(), "a written record does not read");
    fuzz::Check(back->hz == read->hz, "the frequency reads back otherwise");
    const RecordSummary again{0.0, back->station, back->location, back->country, back->itu};
    fuzz::Check(EncodeReceiverRecord(back->hz, again) == written, "a written record reads back otherwise");
    return 0;
}
