#include "document/SettingsFile.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/TextRules.h"
#include "selection/CriterionTable.h"

namespace zofar {

namespace {

constexpr std::string_view kSettings = "Settings";
constexpr std::string_view kOutput = "Output";
constexpr std::string_view kWindow = "Window";

// Reads numbers the way sscanf's %d and %u do: blanks skipped, one optional sign, at least one
// digit, the rest of the text left for the next directive. Numbers beyond the target type are
// clamped to it, where sscanf would be undefined.
class NumberScanner {
public:
    explicit NumberScanner(std::string_view text) : text_(text) {}

    bool ReadInt(int& value) {
        long long magnitude = 0;
        bool negative = false;
        if (!ReadSigned(magnitude, negative)) return false;
        const long long signedValue = negative ? -magnitude : magnitude;
        value = static_cast<int>(std::clamp<long long>(signedValue, INT_MIN, INT_MAX));
        return true;
    }

    bool ReadUnsigned(unsigned& value) {
        long long magnitude = 0;
        bool negative = false;
        if (!ReadSigned(magnitude, negative)) return false;
        if (magnitude > UINT_MAX) {
            value = UINT_MAX;
        } else {
            const auto u = static_cast<unsigned>(magnitude);
            value = negative ? 0u - u : u;
        }
        return true;
    }

    bool Expect(char c) {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

private:
    bool ReadSigned(long long& magnitude, bool& negative) {
        while (pos_ < text_.size() && IsCSpace(text_[pos_])) ++pos_;
        if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
            negative = text_[pos_] == '-';
            ++pos_;
        }
        const size_t digitsStart = pos_;
        constexpr long long kCap = 1LL << 40;  // well past every 32-bit value
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            magnitude = std::min(kCap, magnitude * 10 + (text_[pos_] - '0'));
            ++pos_;
        }
        return pos_ > digitsStart;
    }

    static bool IsCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

    std::string_view text_;
    size_t pos_ = 0;
};

// Up to kFieldCount numbers from the comma-separated text, as a strtok loop with sscanf "%d"
// reads them: empty pieces are skipped, and a piece that does not start with a number ends the
// reading.
std::vector<int> ReadNumberList(std::string_view text) {
    std::vector<int> numbers;
    size_t pos = 0;
    while (numbers.size() < static_cast<size_t>(kFieldCount) && pos < text.size()) {
        size_t comma = text.find(',', pos);
        if (comma == std::string_view::npos) comma = text.size();
        if (comma > pos) {
            int number = 0;
            if (!NumberScanner(text.substr(pos, comma - pos)).ReadInt(number)) break;
            numbers.push_back(number);
        }
        pos = comma + 1;
    }
    return numbers;
}

std::array<int, kFieldCount> ReadColumnOrder(std::string_view text) {
    std::array<int, kFieldCount> order{};
    for (int i = 0; i < kFieldCount; ++i) order[static_cast<size_t>(i)] = i;
    const std::vector<int> numbers = ReadNumberList(text);
    if (numbers.size() < static_cast<size_t>(kFieldCount)) return order;
    std::array<bool, kFieldCount> seen{};
    for (int n : numbers) {
        if (n >= 0 && n < kFieldCount) seen[static_cast<size_t>(n)] = true;
    }
    for (bool s : seen) {
        if (!s) return order;
    }
    std::copy(numbers.begin(), numbers.end(), order.begin());
    return order;
}

// Values from a short list fill the front; the rest keep -1.
std::array<int, kFieldCount> ReadPaddedList(std::string_view text) {
    std::array<int, kFieldCount> values{};
    values.fill(-1);
    const std::vector<int> numbers = ReadNumberList(text);
    std::copy(numbers.begin(), numbers.end(), values.begin());
    return values;
}

std::array<int, kFieldCount> ReadColumnWidths(std::string_view text) {
    std::array<int, kFieldCount> widths = ReadPaddedList(text);
    for (int& w : widths) {
        if (w != -1 && (w < 4 || w > 1000)) w = 4;
    }
    return widths;
}

std::array<bool, kFieldCount> ReadColumnSelection(std::string_view text) {
    const std::array<int, kFieldCount> values = ReadPaddedList(text);
    std::array<bool, kFieldCount> selected{};
    for (size_t i = 0; i < selected.size(); ++i) selected[i] = values[i] != 0;
    return selected;
}

template <typename T>
std::string JoinNumbers(const std::array<T, kFieldCount>& values) {
    std::string text;
    for (const T& v : values) {
        if (!text.empty()) text += ',';
        text += std::to_string(static_cast<int>(v));
    }
    return text;
}

double ReadFrequency(const IniFile& ini, std::string_view key, std::string_view defaultText) {
    std::string text = ini.GetString(kSettings, key, defaultText);
    double value = 0.0;
    ParseNumberText(text, value);  // an unreadable text leaves 0.0, not the default
    return value;
}

int ReadInRange(const IniFile& ini, std::string_view key, int defaultValue, int low, int high) {
    const int value = ini.GetInt(kOutput, key, defaultValue);
    return (value < low || value > high) ? defaultValue : value;
}

}  // namespace

void LoadSettings(const IniFile& ini, DocumentSettings& settings) {
    settings.applicationName = ini.GetString(kSettings, "ApplicationName", "VESTRIX");
    settings.database = ini.GetString(kSettings, "Database", "");
    settings.sort = ini.GetString(kSettings, "Sort", "");
    settings.bFilter = static_cast<uint32_t>(ini.GetInt(kSettings, "BFilter", 1));

    FilterCriteria& criteria = settings.criteria;
    for (const StoredField& field : StoredFields()) {
        if (field.flag != nullptr) {
            criteria.*field.flag =
                static_cast<uint32_t>(ini.GetInt(kSettings, field.key, static_cast<int>(field.flagDefault)));
        } else if (field.number != nullptr) {
            criteria.*field.number = ReadFrequency(ini, field.key, field.textDefault);
        } else {
            std::string value = ini.GetString(kSettings, field.key, "");
            if (field.isTime && !IsValidTime(value)) value = field.textDefault;
            criteria.*field.text = std::move(value);
        }
    }

    settings.layout.order = ReadColumnOrder(ini.GetString(kSettings, "ColumnOrder", ""));
    settings.layout.widths = ReadColumnWidths(ini.GetString(kSettings, "ColumnWidths", ""));
    settings.previewPages = ini.GetInt(kSettings, "PreviewPages", 0);

    OutputOptions& output = settings.output;
    output.clipbRecordSel = ReadInRange(ini, "ClipbRecordSel", kScopeSelected, 1, 3);
    output.clipbUseTabs = ini.GetInt(kOutput, "ClipbUseTabs", 0);
    output.clipbColumns = ReadColumnSelection(ini.GetString(kOutput, "ClipbColumnSel", ""));
    output.printRecordSel = ReadInRange(ini, "PrintRecordSel", kScopeSelected, 1, 3);
    output.printColumns = ReadColumnSelection(ini.GetString(kOutput, "PrintColumnSel", ""));
    output.printBorderTop = ReadInRange(ini, "PrintBorderTop", 15, 1, 50);
    output.printBorderBottom = ReadInRange(ini, "PrintBorderBottom", 15, 1, 50);
    output.printBorderLeft = ReadInRange(ini, "PrintBorderLeft", 20, 1, 50);
    output.printBorderRight = ReadInRange(ini, "PrintBorderRight", 15, 1, 50);
    output.printFontHeight = ReadInRange(ini, "PrintFontHeight", 8, 2, 25);
}

void SaveSettings(IniFile& ini, const DocumentSettings& settings) {
    ini.SetString(kSettings, "ApplicationName", settings.applicationName);
    ini.SetString(kSettings, "Database", settings.database);
    ini.SetString(kSettings, "Sort", settings.sort);
    ini.SetInt(kSettings, "BFilter", static_cast<int>(settings.bFilter));

    const FilterCriteria& criteria = settings.criteria;
    for (const StoredField& field : StoredFields()) {
        if (field.flag != nullptr) {
            ini.SetInt(kSettings, field.key, static_cast<int>(criteria.*field.flag));
        } else if (field.number != nullptr) {
            ini.SetString(kSettings, field.key, FormatOneDecimal(criteria.*field.number));
        } else {
            ini.SetString(kSettings, field.key, criteria.*field.text);
        }
    }

    ini.SetString(kSettings, "ColumnOrder", JoinNumbers(settings.layout.order));
    ini.SetString(kSettings, "ColumnWidths", JoinNumbers(settings.layout.widths));
    if (settings.previewPages != 0) ini.SetInt(kSettings, "PreviewPages", settings.previewPages);

    const OutputOptions& output = settings.output;
    ini.SetInt(kOutput, "ClipbRecordSel", output.clipbRecordSel);
    ini.SetInt(kOutput, "ClipbUseTabs", output.clipbUseTabs);
    ini.SetString(kOutput, "ClipbColumnSel", JoinNumbers(output.clipbColumns));
    ini.SetInt(kOutput, "PrintRecordSel", output.printRecordSel);
    ini.SetString(kOutput, "PrintColumnSel", JoinNumbers(output.printColumns));
    ini.SetInt(kOutput, "PrintBorderTop", output.printBorderTop);
    ini.SetInt(kOutput, "PrintBorderBottom", output.printBorderBottom);
    ini.SetInt(kOutput, "PrintBorderLeft", output.printBorderLeft);
    ini.SetInt(kOutput, "PrintBorderRight", output.printBorderRight);
    ini.SetInt(kOutput, "PrintFontHeight", output.printFontHeight);
}

void LoadSettingsFile(const std::string& path, DocumentSettings& settings) {
    LoadSettings(IniFile::Load(path), settings);
}

bool SaveSettingsFile(const std::string& path, const DocumentSettings& settings) {
    IniFile ini = IniFile::Load(path);
    SaveSettings(ini, settings);
    return ini.Save(path);
}

bool LoadWindowPlacement(const IniFile& ini, WindowPlacement& placement, bool& toolbarVisible, bool& statusbarVisible) {
    const std::string text = ini.GetString(kWindow, "Windowpos", "");
    if (text.empty()) return false;
    WindowPlacement read;
    NumberScanner scan(text);
    const bool complete = scan.ReadUnsigned(read.flags) && scan.Expect(',') && scan.ReadUnsigned(read.showCmd) &&
                          scan.Expect(',') && scan.ReadInt(read.minX) && scan.Expect(',') && scan.ReadInt(read.minY) &&
                          scan.Expect(',') && scan.ReadInt(read.maxX) && scan.Expect(',') && scan.ReadInt(read.maxY) &&
                          scan.Expect(',') && scan.ReadInt(read.left) && scan.Expect(',') && scan.ReadInt(read.top) &&
                          scan.Expect(',') && scan.ReadInt(read.right) && scan.Expect(',') && scan.ReadInt(read.bottom);
    if (!complete) return false;
    placement = read;
    toolbarVisible = ini.GetInt(kWindow, "Toolbar", 1) != 0;
    statusbarVisible = ini.GetInt(kWindow, "Statusbar", 1) != 0;
    return true;
}

void SaveWindowPlacement(IniFile& ini, const WindowPlacement& placement, bool toolbarVisible, bool statusbarVisible) {
    const std::string text = std::to_string(placement.flags) + "," + std::to_string(placement.showCmd) + "," +
                             std::to_string(placement.minX) + "," + std::to_string(placement.minY) + "," +
                             std::to_string(placement.maxX) + "," + std::to_string(placement.maxY) + "," +
                             std::to_string(placement.left) + "," + std::to_string(placement.top) + "," +
                             std::to_string(placement.right) + "," + std::to_string(placement.bottom);
    ini.SetString(kWindow, "Windowpos", text);
    ini.SetInt(kWindow, "Toolbar", toolbarVisible ? 1 : 0);
    ini.SetInt(kWindow, "Statusbar", statusbarVisible ? 1 : 0);
}

bool LoadWindowPlacementFile(const std::string& path, WindowPlacement& placement, bool& toolbarVisible,
                             bool& statusbarVisible) {
    return LoadWindowPlacement(IniFile::Load(path), placement, toolbarVisible, statusbarVisible);
}

bool SaveWindowPlacementFile(const std::string& path, const WindowPlacement& placement, bool toolbarVisible,
                             bool statusbarVisible) {
    IniFile ini = IniFile::Load(path);
    SaveWindowPlacement(ini, placement, toolbarVisible, statusbarVisible);
    return ini.Save(path);
}

}  // namespace zofar
