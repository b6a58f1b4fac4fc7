#include "import/DbaseTextDecoder.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <utility>

#include "base/TextEncoding.h"
#include "base/Utf8.h"

namespace zofar {

namespace {

constexpr std::string_view kDefaultCharset = "CP1252";
constexpr int kUtf8CodePage = 65001;
// Some writers begin a code page file with it.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Language driver ids of the dBASE header and the code pages they stand for.
constexpr std::array<std::pair<int, int>, 61> kLanguageDrivers = {{
    {1, 437},    {2, 850},    {3, 1252},   {4, 10000},  {8, 865},    {9, 437},    {10, 850},   {11, 437},
    {13, 437},   {14, 850},   {15, 437},   {16, 850},   {17, 437},   {18, 850},   {19, 932},   {20, 850},
    {21, 437},   {22, 850},   {23, 865},   {24, 437},   {25, 437},   {26, 850},   {27, 437},   {28, 863},
    {29, 850},   {31, 852},   {34, 852},   {35, 852},   {36, 860},   {37, 850},   {38, 866},   {55, 850},
    {64, 852},   {77, 936},   {78, 949},   {79, 950},   {80, 874},   {87, 1252},  {88, 1252},  {89, 1252},
    {100, 852},  {101, 866},  {102, 865},  {103, 861},  {106, 737},  {107, 857},  {108, 863},  {120, 950},
    {121, 949},  {122, 936},  {123, 932},  {124, 874},  {134, 737},  {135, 852},  {136, 857},  {150, 10007},
    {200, 1250}, {201, 1251}, {202, 1254}, {203, 1253}, {204, 1257},
}};

// Code pages with a name of their own in iconv; the others are "CP" and their number.
constexpr std::array<std::pair<int, std::string_view>, 15> kNamedCodePages = {{
    {kUtf8CodePage, "UTF-8"}, {10000, "MACINTOSH"},   {10007, "MAC-CYRILLIC"}, {20866, "KOI8-R"},
    {21866, "KOI8-U"},        {28591, "ISO-8859-1"},  {28592, "ISO-8859-2"},   {28593, "ISO-8859-3"},
    {28594, "ISO-8859-4"},    {28595, "ISO-8859-5"},  {28596, "ISO-8859-6"},   {28597, "ISO-8859-7"},
    {28598, "ISO-8859-8"},    {28599, "ISO-8859-9"},  {28605, "ISO-8859-15"},
}};

constexpr std::array<int, 30> kNumberedCodePages = {
    437, 737, 775, 850, 852, 855, 857, 858, 860, 861, 862, 863, 864, 865, 866,
    869, 874, 932, 936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258,
};

constexpr std::array<std::string_view, 5> kMultibyteCharsets = {"UTF-8", "CP932", "CP936", "CP949", "CP950"};

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::string CharsetOfCodePage(int codePage) {
    for (const auto& [number, name] : kNamedCodePages) {
        if (number == codePage) return std::string(name);
    }
    if (std::find(kNumberedCodePages.begin(), kNumberedCodePages.end(), codePage) != kNumberedCodePages.end()) {
        return "CP" + std::to_string(codePage);
    }
    return std::string(kDefaultCharset);
}

// Upper case, without the blanks, hyphens and underscores writers put in differently.
std::string Normalized(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' || c == '-' || c == '_' || c == '\t') continue;
        out += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return out;
}

bool StripPrefix(std::string& text, std::string_view prefix) {
    if (!std::string_view(text).starts_with(prefix)) return false;
    text.erase(0, prefix.size());
    return true;
}

}  // namespace

std::string DbaseCharsetName(std::string_view declaration) {
    if (declaration.starts_with(kByteOrderMark)) declaration.remove_prefix(kByteOrderMark.size());
    std::string text = Normalized(declaration);
    if (StripPrefix(text, "LDID/")) {
        const auto id = Number(text);
        for (const auto& [driver, codePage] : kLanguageDrivers) {
            if (id && driver == *id) return CharsetOfCodePage(codePage);
        }
        return std::string(kDefaultCharset);
    }
    if (text == "UTF8") return "UTF-8";
    if (text == "LATIN1") return "ISO-8859-1";
    if (text == "KOI8R") return "KOI8-R";
    if (text == "KOI8U") return "KOI8-U";
    if (StripPrefix(text, "ISO8859") || StripPrefix(text, "8859")) {
        const auto part = Number(text);
        return part ? CharsetOfCodePage(28590 + *part) : std::string(kDefaultCharset);
    }
    for (std::string_view prefix : {"ANSI", "OEM", "WINDOWS", "CP", "IBM", "MS"}) {
        if (StripPrefix(text, prefix)) break;
    }
    const auto codePage = Number(text);
    return codePage ? CharsetOfCodePage(*codePage) : std::string(kDefaultCharset);
}

DbaseTextDecoder::DbaseTextDecoder(std::string_view declaration) : charset_(DbaseCharsetName(declaration)) {
    if (charset_ == kDefaultCharset) return;
    const iconv_t converter = ::iconv_open("UTF-8", charset_.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        charset_ = kDefaultCharset;
        return;
    }
    converter_ = converter;
    singleByte_ = std::find(kMultibyteCharsets.begin(), kMultibyteCharsets.end(), charset_) == kMultibyteCharsets.end();
}

DbaseTextDecoder::~DbaseTextDecoder() {
    if (converter_) ::iconv_close(static_cast<iconv_t>(converter_));
}

std::optional<std::string> DbaseTextDecoder::ToUtf8(std::string_view bytes) const {
    if (!converter_) return Cp1252ToUtf8(bytes);
    const auto converter = static_cast<iconv_t>(converter_);
    ::iconv(converter, nullptr, nullptr, nullptr, nullptr);

    std::string out(bytes.size() * 4 + 16, '\0');
    std::size_t used = 0;
    char* in = const_cast<char*>(bytes.data());  // iconv takes char** but does not write the input
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* to = out.data() + used;
        std::size_t toLeft = out.size() - used;
        const std::size_t result = ::iconv(converter, &in, &inLeft, &to, &toLeft);
        used = out.size() - toLeft;
        if (result != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
        } else if (errno == EILSEQ && singleByte_) {
            std::string control;
            AppendUtf8(control, static_cast<unsigned char>(*in));
            if (out.size() - used < control.size()) out.resize(out.size() * 2);
            out.replace(used, control.size(), control);
            used += control.size();
            ++in;
            --inLeft;
        } else if (errno == EINVAL) {
            break;
        } else {
            return std::nullopt;
        }
    }
    out.resize(used);
    if (!IsValidUtf8(out)) return std::nullopt;
    return out;
}

}  // namespace zofar
