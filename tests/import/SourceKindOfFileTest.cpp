#include "import/SourceKindOfFile.h"

#include <gtest/gtest.h>

#include "support/SourceKindIds.h"

namespace zofar {
namespace {

TEST(SourceKindOfFile, theExtensionInAnyLetterCaseNamesTheKindAndEverythingElseIsText) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"b24.dbf", test::KindId("dbase")},     {"/lists/B24.DBF", test::KindId("dbase")},
        {"x.Dbf", test::KindId("dbase")},       {"sked-a26.csv", test::KindId("eibi")},
        {"SKED-A26.CSV", test::KindId("eibi")}, {"/a/b.cSv", test::KindId("eibi")},
        {"b24.txt", test::KindId("text")},      {"b24", test::KindId("text")},
        {"list.dbf.txt", test::KindId("text")}, {"/data.csv/list", test::KindId("text")},
        {"dbf", test::KindId("text")},          {"", test::KindId("text")},
    };
    for (const auto& [path, kind] : cases) EXPECT_EQ(SourceKindOfFile(path), kind) << path;
}

}  // namespace
}  // namespace zofar
