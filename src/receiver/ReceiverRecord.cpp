#include "receiver/ReceiverRecord.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>

#include "base/TextEncoding.h"
#include "receiver/LittleEndian.h"

namespace zofar {

namespace {

struct TextArea {
    std::size_t offset;
    std::size_t size;
};

constexpr TextArea kStationArea{4, 50};
constexpr TextArea kLocationArea{54, 50};
constexpr TextArea kCountryArea{104, 50};
constexpr TextArea kItuArea{154, 6};

void PutText(ReceiverRecordBytes& out, TextArea area, const std::string& utf8) {
    const std::string bytes = Utf8ToCp1252(utf8);
    // Code page 1252 has one byte per character, so a byte cut never splits one.
    const std::size_t length = std::min(bytes.size(), area.size - 1);
    std::memcpy(out.data() + area.offset, bytes.data(), length);
}

std::string GetText(std::span<const uint8_t> bytes, TextArea area) {
    const auto* begin = reinterpret_cast<const char*>(bytes.data() + area.offset);
    const std::string_view whole(begin, area.size);
    return Cp1252ToUtf8(whole.substr(0, whole.find('\0')));
}

}  // namespace

std::optional<int32_t> ReceiverFrequencyHz(double kHz) {
    if (!std::isfinite(kHz)) return std::nullopt;
    const double hz = std::trunc((kHz + 0.0001) * 1000.0);
    // Both limits are exact in a double, so the comparison decides before any conversion.
    if (hz < static_cast<double>(std::numeric_limits<int32_t>::min()) ||
        hz > static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<int32_t>(hz);
}

ReceiverRecordBytes EncodeReceiverRecord(int32_t hz, const RecordSummary& record) {
    ReceiverRecordBytes out{};
    PutU32LittleEndian(out.data(), static_cast<uint32_t>(hz));
    PutText(out, kStationArea, record.station);
    PutText(out, kLocationArea, record.location);
    PutText(out, kCountryArea, record.country);
    PutText(out, kItuArea, record.itu);
    return out;
}

std::optional<ReceiverRecordContent> DecodeReceiverRecord(std::span<const uint8_t> bytes) {
    if (bytes.size() < kReceiverRecordSize) return std::nullopt;
    ReceiverRecordContent content;
    content.hz = static_cast<int32_t>(GetU32LittleEndian(bytes.data()));
    content.station = GetText(bytes, kStationArea);
    content.location = GetText(bytes, kLocationArea);
    content.country = GetText(bytes, kCountryArea);
    content.itu = GetText(bytes, kItuArea);
    return content;
}

}  // namespace zofar
