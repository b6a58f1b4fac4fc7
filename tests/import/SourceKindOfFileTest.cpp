#include "import/SourceKindOfFile.h"

#include <gtest/gtest.h>

namespace zofar {
namespace {

TEST(SourceKindOfFile, theExtensionInAnyLetterCaseNamesTheKindAndEverythingElseIsText) {
    const std::vector<std::pair<std::string, SourceKind>> cases = {
        {"b24.dbf", kSourceDbase},     {"/lists/B24.DBF", kSourceDbase},
        {"x.Dbf", kSourceDbase},       {"sked-a26.csv", kSourceEibi},
        {"SKED-A26.CSV", kSourceEibi}, {"/a/b.cSv", kSourceEibi},
        {"b24.txt", kSourceText},      {"b24", kSourceText},
        {"list.dbf.txt", kSourceText}, {"/data.csv/list", kSourceText},
        {"dbf", kSourceText},          {"", kSourceText},
    };
    for (const auto& [path, kind] : cases) EXPECT_EQ(SourceKindOfFile(path), kind) << path;
}

}  // namespace
}  // namespace zofar
