#include <gtest/gtest.h>

#include "base/TextEncoding.h"

using namespace zofar;

TEST(TextEncoding, cp1252RoundTripsEveryDefinedByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
    EXPECT_EQ(Utf8Length(utf8), all.size());
}

TEST(TextEncoding, euroSignAndUmlautsConvertBothWays) {
    EXPECT_EQ(Cp1252ToUtf8("\x80 M\xFC"
                           "nchen"),
              "\u20AC M\u00FCnchen");
    EXPECT_EQ(Utf8ToCp1252("\u20AC \u4E2D"), "\x80 ?");
    std::string kept = "Sender ";
    AppendCp1252ToUtf8(kept, "M\xFCnchen \x80");
    EXPECT_EQ(kept, "Sender M\u00FCnchen \u20AC");
}

TEST(TextEncoding, malformedUtf8IsReadAsCp1252) {
    EXPECT_FALSE(IsValidUtf8("\xC3"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_EQ(ToUtf8Guessing("Z\xFCrich"), "Z\u00FCrich");
    EXPECT_EQ(ToUtf8Guessing("Z\u00FCrich"), "Z\u00FCrich");
}

TEST(TextEncoding, everyLeadingByteOrderMarkIsDroppedAndOnlyThose) {
    EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB\xBF[Settings]"), "[Settings]");
    EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB\xBF\xEF\xBB\xBF[Settings]"), "[Settings]");
    EXPECT_EQ(WithoutByteOrderMark("a\xEF\xBB\xBF"), "a\xEF\xBB\xBF");
    EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB"), "\xEF\xBB");
}
