#include "import/IlgListGenerator.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "base/TextEncoding.h"
#include "import/IlgTestSupport.h"
#include "import/IlgTextImporter.h"
#include "support/FakeScreen.h"

namespace zofar {
namespace {

using test::Value;

std::string Generate(std::uint32_t seed, std::int64_t lines, double malformedShare = 0.0) {
    std::ostringstream out;
    IlgListGenerator generator(seed, malformedShare);
    EXPECT_TRUE(generator.Write(out, lines));
    return out.str();
}

bool IsHourMinutes(const std::string& t) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return t.size() == 5 && digit(t[0]) && digit(t[1]) && t[2] == ':' && digit(t[3]) && digit(t[4]) &&
           (t[0] - '0') * 10 + (t[1] - '0') <= 24 && t[3] <= '5';
}

TEST(IlgListGenerator, theSameSeedGivesTheSameBytesAndAnotherSeedOthers) {
    EXPECT_EQ(Generate(5, 300, 0.2), Generate(5, 300, 0.2));
    EXPECT_NE(Generate(5, 300), Generate(6, 300));
    EXPECT_NE(Generate(5, 300), Generate(5, 300, 0.2));
}

TEST(IlgListGenerator, aCleanListHasOnlyFullLinesAndEveryOneImports) {
    const std::string list = Generate(11, 1000);
    std::istringstream lines(list);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        EXPECT_EQ(line.size(), 297u) << "line " << count;
    }
    EXPECT_EQ(count, 1000);

    std::istringstream in(list);
    test::MemorySink sink;
    test::FakeScreen ui;
    ASSERT_TRUE(ImportIlgTextStream(in, sink, ui));
    EXPECT_TRUE(ui.questions.empty());
    ASSERT_EQ(sink.records.size(), 1000u);
    for (const auto& record : sink.records) {
        EXPECT_GE(*record.freq, 2300.0);
        EXPECT_LE(*record.freq, 26000.0);
        EXPECT_TRUE(IsHourMinutes(*Value(record, "START"))) << *Value(record, "START");
        EXPECT_TRUE(IsHourMinutes(*Value(record, "END"))) << *Value(record, "END");
        EXPECT_TRUE(Value(record, "TARGETAR").has_value());
    }
}

TEST(IlgListGenerator, aBrokenListImportsWithoutAQuestionAndLosesSomeLines) {
    const std::string list = Generate(3, 2000, 0.5);
    std::istringstream in(list);
    test::MemorySink sink;
    test::FakeScreen ui;
    ASSERT_TRUE(ImportIlgTextStream(in, sink, ui));
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_GT(sink.records.size(), 800u);
    EXPECT_LT(sink.records.size(), 1900u);
    for (const auto& record : sink.records) {
        for (int column = 2; column < kColumnCount; ++column) {
            const auto& value = record.text[static_cast<size_t>(column)];
            if (value) {
                EXPECT_LE(Utf8Length(*value), static_cast<size_t>(kColumnTable[static_cast<size_t>(column)].size));
            }
        }
    }
}

TEST(IlgSampleList, isTheGeneratorOutputForItsDocumentedArgumentsAndImportsWhole) {
    std::ifstream file(ZOFAR_SAMPLE_LIST, std::ios::binary);
    ASSERT_TRUE(file) << ZOFAR_SAMPLE_LIST;
    const std::string sample((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(sample, Generate(1967, 400)) << "regenerate with: zofar-genlist --seed 1967 400 "
                                              "res/sample/sample-list.txt";

    const std::string path = ZOFAR_SAMPLE_LIST;
    const auto slash = path.rfind('/');
    test::MemorySink sink;
    test::FakeScreen ui;
    ASSERT_TRUE(ImportIlgText(path.substr(0, slash + 1), path.substr(slash + 1), sink, ui));
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(sink.records.size(), 400u);
}

}  // namespace
}  // namespace zofar
