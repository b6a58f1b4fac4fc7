#include "store/EngineTextLength.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/SqliteDatabase.h"

using namespace zofar;

TEST(EngineTextLength, countsAsTheEnginesLengthDoesOnEveryKindOfText) {
    using namespace std::string_literals;
    const std::vector<std::string> texts = {
        "",
        "Radio",
        "Caf\u00E9",
        "\u20AC\U0001F600",
        "ab\0cd"s,
        "\0"s,
        "\xC3",
        "\xC3(",
        "a\x80\x80",
        "\xC3\xA9\xA9",
        "\xE2\x82",
        "\xFF\x80x",
        "\xF8\x88\x80\x80\x80",
        "\xC0\xAF",
        "\xED\xA0\x80",
        "   ",
        "\x7F\x01",
    };
    Database db(":memory:", Database::Mode::CreateNew);
    Statement length(db, "SELECT length(?1)");
    for (const auto& text : texts) {
        length.Reset();
        length.BindText(1, text);
        ASSERT_TRUE(length.Step());
        EXPECT_EQ(EngineTextLength(text), static_cast<size_t>(length.ColumnInt64(0))) << "text \"" << text << "\"";
    }
}
