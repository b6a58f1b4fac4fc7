#include "import/IlgTextImporter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <system_error>
#include <vector>

#include "base/TextEncoding.h"

namespace zofar {

namespace {

// Column numbers of ZOFTABLE, in the order of the column table.
constexpr int kStation = 2, kStn = 3, kModu = 4, kStatus = 5, kLocation = 6, kRegion = 7, kCountry = 8, kItu = 9,
              kLc = 10, kStart = 11, kEnd = 12, kDays = 13, kLanguage = 14, kTarget = 15, kTargetAr = 16, kCiraf = 17,
              kProgram = 18, kP = 19, kRemarks = 20, kPower = 21, kAzi = 22, kLongi = 23, kLati = 24;

struct Slice {
    std::size_t begin;
    std::size_t width;
    int column;
};

// The fields copied as they stand in the line.
constexpr std::array<Slice, 19> kPlainFields = {{
    {7, 22, kStation},  {38, 7, kDays}, {45, 18, kLanguage}, {111, 8, kTarget}, {119, 25, kLocation},
    {144, 7, kPower},   {151, 3, kAzi}, {154, 15, kRemarks}, {169, 1, kModu},   {188, 30, kCiraf},
    {218, 5, kStn},     {223, 3, kItu}, {226, 18, kCountry}, {244, 6, kLongi},  {250, 5, kLati},
    {255, 20, kRegion}, {275, 1, kP},   {276, 20, kProgram}, {296, 1, kStatus},
}};

constexpr std::size_t kFreqBegin = 0, kFreqWidth = 7;
constexpr std::size_t kTimeBegin = 29, kTimeWidth = 9, kSeparator = 33;
constexpr std::size_t kSlotBegin = 170;
constexpr std::array<std::string_view, 9> kSlotCodes = {"NA", "CA", "SA", "EU", "AF", "ME", "AS", "AU", "PA"};
constexpr int kProgressStep = 100;

// Characters beyond the end of the read are absent: the slice keeps what is there.
std::string_view Cut(std::string_view data, std::size_t begin, std::size_t width) {
    if (begin >= data.size()) return {};
    return data.substr(begin, width);
}

bool IsCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Splits the list into reads as the C library's line reading in text mode does: CR LF arrives
// as LF, and a read ends after the LF or at kIlgMaxRead characters. NUL bytes are ordinary
// characters. The stream is read in large blocks through istream::read, which turns a failing
// read (a folder, an I/O error) into badbit instead of an exception.
class ReadSplitter {
public:
    explicit ReadSplitter(std::istream& in) : in_(in), start_(in.tellg()), block_(kBlockSize) {}

    bool Next(std::string& out) {
        out.clear();
        while (out.size() < kIlgMaxRead) {
            const int c = Get();
            if (c < 0) break;
            if (c == '\r' && Peek() == '\n') continue;
            out.push_back(static_cast<char>(c));
            if (c == '\n') break;
        }
        return !out.empty();
    }

    bool Failed() const { return in_.bad(); }

    bool Rewind() {
        if (start_ == std::streampos(-1)) return false;
        in_.clear();
        in_.seekg(start_);
        pos_ = len_ = 0;
        return !in_.fail();
    }

private:
    static constexpr std::size_t kBlockSize = 1 << 16;

    int Get() {
        if (pos_ == len_ && !Fill()) return -1;
        return static_cast<unsigned char>(block_[pos_++]);
    }
    int Peek() {
        if (pos_ == len_ && !Fill()) return -1;
        return static_cast<unsigned char>(block_[pos_]);
    }
    bool Fill() {
        if (!in_.good()) return false;
        in_.read(block_.data(), static_cast<std::streamsize>(block_.size()));
        pos_ = 0;
        len_ = static_cast<std::size_t>(std::max<std::streamsize>(in_.gcount(), 0));
        return len_ > 0;
    }

    std::istream& in_;
    std::streampos start_;
    std::vector<char> block_;
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
};

int ClampToInt(long long n) { return static_cast<int>(std::min<long long>(n, INT_MAX)); }

bool ImportReads(std::istream& in, RecordSink& sink, ImportUi& ui, ImportProgress& progress) {
    ReadSplitter reader(in);
    std::string read;
    if (!reader.Next(read)) {
        if (reader.Failed()) ui.ShowMessage(std::string(kIlgOpenErrorMessage));
        return false;
    }
    if (read.size() < kIlgMinFirstRead && !ui.AskYesNo(std::string(kIlgNotAListQuestion))) return false;

    long long lineCount = 1;
    while (reader.Next(read)) ++lineCount;
    if (reader.Failed() || !reader.Rewind()) {
        ui.ShowMessage(std::string(kIlgOpenErrorMessage));
        return false;
    }

    progress.SetRange(0, ClampToInt(lineCount));
    long long counter = 1;
    while (reader.Next(read)) {
        if (auto record = ParseIlgLine(read)) {
            if (!sink.AddRecord(*record)) return false;
        }
        if (counter % kProgressStep == 0) progress.SetPosition(ClampToInt(counter));
        ++counter;
    }
    // A read that breaks off halfway must not pass for a complete list.
    if (reader.Failed()) {
        ui.ShowMessage(std::string(kIlgOpenErrorMessage));
        return false;
    }
    return true;
}

}  // namespace

double ParseIlgFrequency(std::string_view field) {
    const std::size_t n = field.size();
    std::size_t i = 0;
    while (i < n && IsCSpace(field[i])) ++i;
    const std::size_t numberBegin = i;
    if (i < n && (field[i] == '+' || field[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(field[i])) ++i, ++digits;
    if (i < n && field[i] == '.') {
        ++i;
        while (i < n && IsDigit(field[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    if (i < n && (field[i] == 'e' || field[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (field[j] == '+' || field[j] == '-')) ++j;
        std::size_t k = j;
        while (k < n && IsDigit(field[k])) ++k;
        if (k > j) i = k;
    }
    if (i != n) return 0.0;

    std::string_view number = field.substr(numberBegin);
    if (number.front() == '+') number.remove_prefix(1);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) return 0.0;
    return value;
}

std::optional<BroadcastRecord> ParseIlgLine(std::string_view read) {
    // The line end counts towards the read's length but never becomes part of a value: a list
    // whose editor dropped the trailing blanks would otherwise put it into STATUS or PROGRAM.
    std::string_view data = read;
    if (!data.empty() && data.back() == '\n') data.remove_suffix(1);

    const std::string_view time = Cut(data, kTimeBegin, kTimeWidth);
    if (time.size() < kTimeWidth) return std::nullopt;
    const char separator = data[kSeparator];
    if (separator != '-' && separator != ':' && separator != '=') return std::nullopt;

    BroadcastRecord record;
    const auto hhmm = [](std::string_view t) {
        std::string bytes;
        bytes.reserve(5);
        bytes.append(t.substr(0, 2)).append(":").append(t.substr(2, 2));
        return Cp1252ToUtf8(bytes);
    };
    record.SetText(kStart, hhmm(time.substr(0, 4)));
    record.SetText(kEnd, hhmm(time.substr(5, 4)));
    record.freq = ParseIlgFrequency(Cut(data, kFreqBegin, kFreqWidth));
    for (const auto& field : kPlainFields) {
        record.SetText(field.column, Cp1252ToUtf8(Cut(data, field.begin, field.width)));
    }
    record.SetText(kLc, " ");

    std::string areas;
    for (std::size_t slot = 0; slot < kSlotCodes.size(); ++slot) {
        if (Cut(data, kSlotBegin + 2 * slot, 2) == kSlotCodes[slot]) {
            areas.append(kSlotCodes[slot]).append(" ");
        }
    }
    if (!areas.empty()) record.SetText(kTargetAr, std::move(areas));
    return record;
}

bool ImportIlgTextStream(std::istream& in, RecordSink& sink, ImportUi& ui) {
    const auto progress = OpenProgressWindow(ui);
    return ImportReads(in, sink, ui, *progress);
}

bool ImportIlgText(const std::string& sourceFolder, const std::string& fileName, RecordSink& sink, ImportUi& ui) {
    const auto progress = OpenProgressWindow(ui);
    const std::string path = sourceFolder + fileName;
    std::ifstream in;
    // A NUL would silently cut the name the system sees and open another file. Only a regular
    // file has an end: opening a FIFO would block, and a device could be read forever.
    std::error_code ec;
    if (path.find('\0') == std::string::npos && std::filesystem::is_regular_file(path, ec)) {
        in.open(path, std::ios::in | std::ios::binary);
    }
    if (!in.is_open()) {
        ui.ShowMessage(std::string(kIlgOpenErrorMessage));
        return false;
    }
    return ImportReads(in, sink, ui, *progress);
}

}  // namespace zofar
