#include "import/EibiSchedule.h"

#include <array>
#include <optional>
#include <string>

#include "base/TextEncoding.h"
#include "import/EibiDays.h"

namespace zofar {

namespace {

constexpr int kDays = 13;  // column number of DAYS, browse-set field 12
constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<int, 12> kMonthDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string MonthDay(int month, int day) {
    std::string text = "00-00";
    text[0] = static_cast<char>('0' + month / 10);
    text[1] = static_cast<char>('0' + month % 10);
    text[3] = static_cast<char>('0' + day / 10);
    text[4] = static_cast<char>('0' + day % 10);
    return text;
}

std::optional<std::string> CheckedMonthDay(int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > kMonthDays[static_cast<size_t>(month - 1)]) return std::nullopt;
    return MonthDay(month, day);
}

// "24Dec", "5Jan": one or two digits and an English month.
std::optional<std::string> DayOfYear(std::string_view text) {
    if (text.size() < 4 || text.size() > 5 || !IsDigit(text[0])) return std::nullopt;
    const size_t digits = IsDigit(text[1]) ? 2 : 1;
    if (text.size() != digits + 3) return std::nullopt;
    const int day = digits == 2 ? (text[0] - '0') * 10 + (text[1] - '0') : text[0] - '0';
    for (size_t m = 0; m < kMonths.size(); ++m) {
        if (text.substr(digits) == kMonths[m]) return CheckedMonthDay(static_cast<int>(m) + 1, day);
    }
    return std::nullopt;
}

// "0401": the 4th of January.
std::optional<std::string> Ddmm(std::string_view text) {
    if (text.size() != 4 || !IsDigit(text[0]) || !IsDigit(text[1]) || !IsDigit(text[2]) || !IsDigit(text[3]))
        return std::nullopt;
    return CheckedMonthDay((text[2] - '0') * 10 + (text[3] - '0'), (text[0] - '0') * 10 + (text[1] - '0'));
}

// The persistence code without the 90 that marks a utility station.
std::string_view PlainPersistence(std::string_view p) {
    if (p.size() == 2 && p[0] == '9') p.remove_prefix(1);
    return p;
}

bool AllDigits(std::string_view text) {
    for (const char c : text) {
        if (!IsDigit(c)) return false;
    }
    return true;
}

// What EibiDaysToDigits gives for days it understood: each weekday digit once. Anything else it
// hands back as written, digits such as "1245770" included.
bool IsWeekdayDigits(std::string_view text) {
    if (text.size() > 7) return false;
    for (const char c : text) {
        if (c < '1' || c > '7') return false;
    }
    return true;
}

}  // namespace

char EibiSeasonOfFileName(std::string_view path) {
    const size_t slash = path.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (name.size() < 8) return 0;
    std::string lower(name.substr(0, 8));
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    if (lower.substr(0, 5) != "sked-" || !IsDigit(lower[6]) || !IsDigit(lower[7])) return 0;
    if (lower[5] == 'a') return 'A';
    if (lower[5] == 'b') return 'B';
    return 0;
}

void SetEibiSchedule(BroadcastRecord& record, std::string_view days, std::string_view persistence,
                     std::string_view startDate, std::string_view stopDate, char season) {
    const std::string_view written = Trim(days);
    const auto cut = [](std::string_view text, int field) {
        return std::string(Utf8Prefix(text, static_cast<size_t>(FieldColumn(field).size)));
    };
    record.SetExtension(kDaysTextField, cut(written, kDaysTextField));

    const std::string digits = EibiDaysToDigits(written);
    std::string_view regularity;
    if (written.empty() || written == "USB" || written == "LSB") {
        record.SetText(kDays, "");
    } else if (IsWeekdayDigits(digits)) {
        record.SetText(kDays, digits);
        if (written.size() == 4 && written[1] == '.') record.SetExtension(kMonthWeekField, std::string(1, written[0]));
        if (written.starts_with("Last")) record.SetExtension(kMonthWeekField, "L");
    } else if (const auto date = DayOfYear(written)) {
        record.SetText(kDays, "");
        record.SetExtension(kValidFromField, *date);
        record.SetExtension(kValidToField, *date);
    } else {
        record.SetText(kDays, cut(written, 12));
        regularity = kRegularityIrregular;
    }

    const std::string_view p = PlainPersistence(Trim(persistence));
    if (p == "8") {
        regularity = kRegularityInactive;
    } else if ((p == "4" && season == 'A') || (p == "5" && season == 'B')) {
        regularity = kRegularityOffSeason;
    }
    if (!regularity.empty()) record.SetExtension(kRegularityField, std::string(regularity));

    // "[0326]" after or instead of the stop date: last heard in March 2026.
    std::string_view stop = Trim(stopDate);
    if (const size_t open = stop.find('['); open != std::string_view::npos) {
        const size_t close = stop.find(']', open);
        const std::string_view log = stop.substr(open + 1, close == std::string_view::npos ? 0 : close - open - 1);
        if (log.size() == 4 && AllDigits(log)) record.SetExtension(kLastLogField, std::string(log));
        stop = Trim(stop.substr(0, open));
    }
    if (p == "6" && record.extension[kValidFromField - kFirstExtensionField] == std::nullopt) {
        const auto from = Ddmm(Trim(startDate));
        const auto to = Ddmm(stop);
        if (from && to) {
            record.SetExtension(kValidFromField, *from);
            record.SetExtension(kValidToField, *to);
        }
    }
}

}  // namespace zofar
