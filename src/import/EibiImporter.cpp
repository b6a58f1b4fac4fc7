#include "import/EibiImporter.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

#include "base/RegularFile.h"
#include "base/TextEncoding.h"
#include "base/TextLines.h"
#include "import/EibiRecord.h"
#include "import/EibiSchedule.h"
#include "import/OpenProgressWindow.h"

namespace zofar {

namespace {

constexpr long long kProgressStep = 100;
constexpr std::string_view kHeaderStart = "kHz";
constexpr std::string_view kCodesFileName = "README.TXT";

int ClampToInt(long long n) { return static_cast<int>(std::min<long long>(n, INT_MAX)); }

bool IsBlankLine(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

long long CountLines(std::string_view text) {
    if (text.empty()) return 0;
    const auto newlines = static_cast<long long>(std::count(text.begin(), text.end(), '\n'));
    return newlines + (text.back() == '\n' ? 0 : 1);
}

// The whole file as UTF-8: EiBi writes Latin-1, a file saved again by an editor may be UTF-8.
EibiImportResult ImportBytes(std::string_view bytes, const EibiCodeTables* codes, char season, RecordSink& sink,
                             ImportUi& ui, ImportProgress& progress) {
    const std::string text = ToUtf8Guessing(WithoutByteOrderMark(bytes));

    EibiImportResult result;
    progress.SetRange(0, ClampToInt(CountLines(text)));
    long long counter = 1;
    TextLines lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        const bool header = counter == 1 && line.substr(0, kHeaderStart.size()) == kHeaderStart;
        if (!header && !IsBlankLine(line)) {
            if (const auto record = ParseEibiLine(line, codes, season)) {
                if (!sink.AddRecord(*record)) return result;
                ++result.stored;
            } else {
                ++result.skipped;
            }
        }
        if (counter % kProgressStep == 0) progress.SetPosition(ClampToInt(counter));
        ++counter;
    }
    if (result.stored == 0) {
        ui.ShowMessage(std::string(kEibiNoValidLineMessage));
        return result;
    }
    result.ok = true;
    return result;
}

std::optional<std::string> ReadStream(std::istream& in) {
    std::string bytes;
    std::vector<char> block(std::size_t{1} << 16);
    while (in.good()) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto n = static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0));
        bytes.append(block.data(), n);
        if (bytes.size() > kEibiMaxBytes) return std::nullopt;
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

// A NUL would silently cut the name the system sees and open another file.
std::optional<std::string> ReadFile(const std::string& path, std::size_t maxBytes) {
    if (path.empty() || path.find('\0') != std::string::npos) return std::nullopt;
    return ReadRegularFile(path, maxBytes);
}

std::string Plural(long long n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

}  // namespace

EibiImportResult ImportEibiCsvStream(std::istream& csv, const EibiCodeTables* codes, RecordSink& sink, ImportUi& ui) {
    const auto progress = OpenProgressWindow(ui);
    const auto bytes = ReadStream(csv);
    if (!bytes) {
        ui.ShowMessage(std::string(kEibiOpenErrorMessage));
        return {};
    }
    return ImportBytes(*bytes, codes, 0, sink, ui, *progress);
}

EibiImportResult ImportEibiCsv(const std::string& csvPath, const std::string& codesPath, RecordSink& sink,
                               ImportUi& ui) {
    const auto progress = OpenProgressWindow(ui);
    const auto bytes = ReadFile(csvPath, kEibiMaxBytes);
    if (!bytes) {
        ui.ShowMessage(std::string(kEibiOpenErrorMessage));
        return {};
    }
    // A README that is there but cannot be read is reported rather than passed over: the
    // import would otherwise succeed with every name missing and no word why.
    const std::string readme = codesPath.empty() ? FindEibiCodesFile(csvPath) : codesPath;
    std::optional<EibiCodeTables> codes;
    if (!readme.empty()) {
        codes = EibiCodeTables::Load(readme);
        if (!codes) {
            ui.ShowMessage(std::string(kEibiCodesOpenErrorMessage));
            return {};
        }
    }
    return ImportBytes(*bytes, codes ? &*codes : nullptr, EibiSeasonOfFileName(csvPath), sink, ui, *progress);
}

std::string FindEibiCodesFile(const std::string& csvPath) {
    namespace fs = std::filesystem;
    if (csvPath.find('\0') != std::string::npos) return {};
    fs::path folder = fs::path(csvPath).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code ec;
    std::vector<std::string> names;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != kCodesFileName.size()) continue;
        const bool same = std::equal(name.begin(), name.end(), kCodesFileName.begin(), [](char a, char b) {
            return (a >= 'a' && a <= 'z' ? static_cast<char>(a - 'a' + 'A') : a) == b;
        });
        std::error_code typeError;
        if (same && it->is_regular_file(typeError)) names.push_back(name);
    }
    if (names.empty()) return {};
    // The exact name first, then a fixed order, so the choice never depends on the folder's order.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        if ((a == kCodesFileName) != (b == kCodesFileName)) return a == kCodesFileName;
        return a < b;
    });
    return (folder / names.front()).string();
}

std::string EibiImportSummary(const EibiImportResult& result) {
    return Plural(result.stored, "record", "records") + " stored, " + Plural(result.skipped, "line", "lines") +
           " skipped";
}

}  // namespace zofar
