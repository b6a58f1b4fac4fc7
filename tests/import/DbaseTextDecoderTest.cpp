#include "import/DbaseTextDecoder.h"

#include <gtest/gtest.h>

namespace zofar {
namespace {

TEST(DbaseTextDecoder, declarationsNameTheirCharacterSetAndUnknownOnesRead1252) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "CP1252"},           {"LDID/87", "CP1252"},    {"LDID/3", "CP1252"},     {"LDID/1", "CP437"},
        {"LDID/2", "CP850"},      {"LDID/100", "CP852"},    {"LDID/101", "CP866"},    {"LDID/200", "CP1250"},
        {"LDID/201", "CP1251"},   {"LDID/999", "CP1252"},   {"LDID/", "CP1252"},      {"1251", "CP1251"},
        {"ANSI 1251", "CP1251"},  {"cp850", "CP850"},       {"OEM 866", "CP866"},     {"windows-1250", "CP1250"},
        {"437", "CP437"},         {"UTF-8", "UTF-8"},       {"utf8", "UTF-8"},        {"65001", "UTF-8"},
        {"\xEF\xBB\xBFUTF-8", "UTF-8"},
        {"ISO-8859-1", "ISO-8859-1"}, {"ISO 88591", "ISO-8859-1"}, {"8859-15", "ISO-8859-15"}, {"28595", "ISO-8859-5"},
        {"Shift_JIS", "CP1252"},  {"12345", "CP1252"},      {"\xff\xfe", "CP1252"},
    };
    for (const auto& [declaration, charset] : cases) {
        EXPECT_EQ(DbaseCharsetName(declaration), charset) << declaration;
        EXPECT_EQ(DbaseTextDecoder(declaration).Charset(), charset) << declaration;
    }
}

TEST(DbaseTextDecoder, lettersOfEachCodePageArriveAsUtf8) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"LDID/87", "Tom\xE9 \x80", "Tomé €"},
        {"LDID/2", "R\xA0" "dio S\xC6o Tom\x82 \xA6", "Rádio São Tomé ª"},
        {"LDID/1", "M\x81nchen \xE1", "München ß"},
        {"LDID/100", "\x9F\xA5", "čą"},
        {"LDID/101", "\x90\xA0\xA4\xA8\xAE", "Радио"},
        {"LDID/200", "\x9A\xB9", "šą"},
        {"1251", "\xD0\xE0\xE4\xE8\xEE", "Радио"},
        {"ISO-8859-1", "Tom\xE9", "Tomé"},
        {"UTF-8", "Rádio", "Rádio"},
    };
    for (const auto& [declaration, bytes, utf8] : cases) {
        EXPECT_EQ(DbaseTextDecoder(declaration).ToUtf8(bytes), utf8) << declaration;
    }
}

TEST(DbaseTextDecoder, anUndefinedByteKeepsItsValueAndOnlyBrokenMultibyteTextFails) {
    EXPECT_EQ(DbaseTextDecoder("1251").ToUtf8("a\x98" "b"), "a\xC2\x98" "b");
    const DbaseTextDecoder utf8("UTF-8");
    EXPECT_EQ(utf8.ToUtf8("Tom\xC3"), "Tom") << "a field too narrow cuts the last letter";
    EXPECT_EQ(utf8.ToUtf8("Tom\xE9 x"), std::nullopt);
    EXPECT_EQ(utf8.ToUtf8("\xED\xA0\x80"), std::nullopt) << "a surrogate is no text";
    EXPECT_EQ(utf8.ToUtf8(std::string(100000, 'a'))->size(), 100000u);
}

}  // namespace
}  // namespace zofar
