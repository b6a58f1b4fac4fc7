// An existing gqrx bookmarks file of any bytes, merged with ZOFAR's bookmarks: every line of
// the user's (every bookmark line not tagged ZOFAR) is still there, the new bookmarks are
// there, and merging the result once more changes nothing.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "export/GqrxBookmarks.h"

using namespace zofar;

namespace {

bool HasLine(const std::string& text, const std::string& line) {
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

bool IsOurs(const std::string& line) {
    for (const std::string& tag : GqrxLineTags(line)) {
        if (tag == kZofarTag) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view old = fuzz::Bytes(data, size);
    const std::vector<Bookmark> bookmarks{{"BBC 0500 English", 6005000, "English", ModeOfModu("A")},
                                          {"R; Nord", 9420000, "Ελληνικά, x", ModeOfModu("U")}};
    const GqrxBookmarksFile parsed = ParseGqrxBookmarks(old);
    const std::string merged = GqrxBookmarksText(bookmarks, &parsed);
    for (const std::string& line : parsed.bookmarkLines) {
        if (!IsOurs(line)) fuzz::Check(HasLine(merged, line), "a line of the user's was lost");
    }
    const GqrxBookmarksFile reread = ParseGqrxBookmarks(merged);
    int ours = 0;
    for (const std::string& line : reread.bookmarkLines) ours += IsOurs(line) ? 1 : 0;
    fuzz::Check(ours == 2, "the new bookmarks are not all there");
    fuzz::Check(GqrxBookmarksText(bookmarks, &reread) == merged, "a second merge changed the file");
    return 0;
}
