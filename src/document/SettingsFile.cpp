#include "document/SettingsFile.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/TextRules.h"
#include "selection/CriterionTable.h"
#include "view/ColumnLayoutRules.h"

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

// Up to `limit` numbers from the comma-separated text, as a strtok loop with sscanf "%d" reads
// them: empty pieces are skipped, and a piece that does not start with a number ends the reading.
std::vector<int> ReadNumberList(std::string_view text, int limit = kAllFieldCount) {
    std::vector<int> numbers;
    size_t pos = 0;
    while (numbers.size() < static_cast<size_t>(limit) && pos < text.size()) {
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

// True when the first `count` numbers hold every value 0..count-1.
bool IsPermutationPrefix(const std::vector<int>& numbers, int count) {
    if (numbers.size() < static_cast<size_t>(count)) return false;
    std::vector<bool> seen(static_cast<size_t>(count), false);
    for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
        const int n = numbers[i];
        if (n >= 0 && n < count) seen[static_cast<size_t>(n)] = true;
    }
    return std::all_of(seen.begin(), seen.end(), [](bool s) { return s; });
}

// A full order names every field; an order of the 24 list fields (the only kind older files
// have) puts the extra fields after them in field order.
std::array<int, kAllFieldCount> ReadColumnOrder(std::string_view text) {
    std::array<int, kAllFieldCount> order = ColumnLayout().order;
    const std::vector<int> numbers = ReadNumberList(text);
    if (IsPermutationPrefix(numbers, kAllFieldCount)) {
        std::copy_n(numbers.begin(), kAllFieldCount, order.begin());
    } else if (IsPermutationPrefix(numbers, kFieldCount)) {
        std::copy_n(numbers.begin(), kFieldCount, order.begin());
    }
    return order;
}

// Values from a short list fill the front; the rest keep -1.
std::array<int, kAllFieldCount> ReadPaddedList(std::string_view text) {
    std::array<int, kAllFieldCount> values{};
    values.fill(-1);
    const std::vector<int> numbers = ReadNumberList(text);
    std::copy(numbers.begin(), numbers.end(), values.begin());
    return values;
}

std::array<int, kAllFieldCount> ReadColumnWidths(std::string_view text) {
    std::array<int, kAllFieldCount> widths = ReadPaddedList(text);
    for (int& w : widths) {
        if (w != -1 && (w < 4 || w > 1000)) w = 4;
    }
    return widths;
}

// A list field missing from a short list is chosen, as it always was; an extra field only when
// the list names it.
ColumnFlags ReadColumnSelection(std::string_view text) {
    const std::vector<int> numbers = ReadNumberList(text);
    ColumnFlags selected{};
    for (size_t i = 0; i < selected.size(); ++i) {
        if (i < numbers.size()) {
            selected[i] = numbers[i] != 0;
        } else {
            selected[i] = i < static_cast<size_t>(kFieldCount);
        }
    }
    return selected;
}

// The numbers of the 24 list fields, followed by the rest only when `extras` says so: a layout
// or choice that leaves the extra fields as a first start has them writes what it always wrote.
template <typename T>
std::string JoinNumbers(const std::array<T, kAllFieldCount>& values, bool extras) {
    std::string text;
    const size_t count = extras ? values.size() : static_cast<size_t>(kFieldCount);
    for (size_t i = 0; i < count; ++i) {
        if (!text.empty()) text += ',';
        text += std::to_string(static_cast<int>(values[i]));
    }
    return text;
}

bool ExtrasMoved(const ColumnLayout& layout) {
    const ColumnLayout first;
    return IsColumnPermutation(layout.order) &&
           !std::equal(layout.order.begin() + kFieldCount, layout.order.end(), first.order.begin() + kFieldCount);
}

bool ExtrasResized(const ColumnLayout& layout) {
    return std::any_of(layout.widths.begin() + kFieldCount, layout.widths.end(), [](int w) { return w != -1; });
}

bool ExtrasChosen(const ColumnFlags& flags) {
    return std::any_of(flags.begin() + kFieldCount, flags.end(), [](bool f) { return f; });
}

void ReadLayout(const IniFile& ini, std::string_view section, ColumnLayout& layout) {
    layout.order = ReadColumnOrder(ini.GetString(section, "ColumnOrder", ""));
    layout.widths = ReadColumnWidths(ini.GetString(section, "ColumnWidths", ""));
}

void WriteLayout(IniFile& ini, std::string_view section, const ColumnLayout& layout) {
    ini.SetString(section, "ColumnOrder", JoinNumbers(layout.order, ExtrasMoved(layout)));
    ini.SetString(section, "ColumnWidths", JoinNumbers(layout.widths, ExtrasResized(layout)));
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

std::string DatabaseLayoutSection(const std::string& name) { return "Layout " + name; }

}  // namespace

std::optional<ColumnLayout> LoadDatabaseLayout(const IniFile& ini, const std::string& name) {
    const std::string section = DatabaseLayoutSection(name);
    if (ini.GetString(section, "ColumnOrder", "").empty()) return std::nullopt;
    ColumnLayout layout;
    ReadLayout(ini, section, layout);
    return layout;
}

void LoadSettings(const IniFile& ini, DocumentSettings& settings) {
    settings.applicationName = ini.GetString(kSettings, "ApplicationName", "VESTRIX");
    settings.database = ini.GetString(kSettings, "Database", "");
    settings.sort = ini.GetString(kSettings, "Sort", "");
    settings.sortDescending = ini.GetInt(kSettings, "SortDescending", 0) == 1;
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

    ReadLayout(ini, kSettings, settings.layout);
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
    // Absent means ascending, so a file stays as earlier versions wrote it until the order is
    // reversed; a 1 written before is turned back to 0 rather than left behind.
    if (settings.sortDescending || ini.GetInt(kSettings, "SortDescending", 0) != 0)
        ini.SetInt(kSettings, "SortDescending", settings.sortDescending ? 1 : 0);
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

    WriteLayout(ini, kSettings, settings.layout);
    if (settings.previewPages != 0) ini.SetInt(kSettings, "PreviewPages", settings.previewPages);
    for (const auto& [name, layout] : settings.databaseLayouts) WriteLayout(ini, DatabaseLayoutSection(name), layout);

    const OutputOptions& output = settings.output;
    ini.SetInt(kOutput, "ClipbRecordSel", output.clipbRecordSel);
    ini.SetInt(kOutput, "ClipbUseTabs", output.clipbUseTabs);
    ini.SetString(kOutput, "ClipbColumnSel", JoinNumbers(output.clipbColumns, ExtrasChosen(output.clipbColumns)));
    ini.SetInt(kOutput, "PrintRecordSel", output.printRecordSel);
    ini.SetString(kOutput, "PrintColumnSel", JoinNumbers(output.printColumns, ExtrasChosen(output.printColumns)));
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
