// EiBi's code tables read from any README: the names found for the codes the text holds are
// UTF-8, and a site's position parts are empty or whole.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "base/TextEncoding.h"
#include "import/EibiCodeTables.h"

using namespace zofar;

namespace {

// The first word of every line: the codes the text may define.
std::vector<std::string_view> FirstWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        const std::size_t start = line.find_first_not_of(" \t");
        if (start != std::string_view::npos) {
            const std::size_t stop = line.find_first_of(" \t:-", start);
            words.push_back(line.substr(start, stop == std::string_view::npos ? line.npos : stop - start));
        }
        at = end + 1;
    }
    return words;
}

void CheckName(const std::string* name) {
    if (name) fuzz::Check(IsValidUtf8(*name), "a code's name is not UTF-8");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    // As the README is read from its file: UTF-8, or code page 1252 when it is not.
    const std::string_view bytes = fuzz::Bytes(data, size);
    const std::string text = IsValidUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
    const EibiCodeTables tables = EibiCodeTables::Parse(text);
    for (const std::string_view code : FirstWords(text)) {
        CheckName(tables.LanguageName(code));
        CheckName(tables.CountryName(code));
        CheckName(tables.TargetName(code));
        for (const std::string_view site : {std::string_view(), std::string_view("n"), code}) {
            if (const EibiSite* found = tables.Site(code, site)) {
                fuzz::Check(IsValidUtf8(found->name), "a site's name is not UTF-8");
                fuzz::Check(found->latitude.empty() == found->longitude.empty(), "a site has half a position");
            }
        }
    }
    return 0;
}
