#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/Utf8.h"
#include "export/SdrppFrequencyList.h"

using namespace zofar;

namespace {

// A strict JSON reader of its own, for what the list uses: objects (members kept in order,
// duplicates too), strings and numbers. Anything else fails the test.
struct Json {
    enum Kind { String, Number, Object } kind = String;
    std::string text;  // the string, or the number as written
    std::vector<std::pair<std::string, Json>> members;
};

class JsonReader {
public:
    explicit JsonReader(const std::string& text) : s_(text) {}

    Json Document() {
        Json value = Value();
        Blanks();
        EXPECT_EQ(i_, s_.size()) << "text after the document";
        return value;
    }

private:
    void Blanks() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\t' || s_[i_] == '\r')) ++i_;
    }
    bool Take(char c) {
        Blanks();
        if (i_ < s_.size() && s_[i_] == c) return ++i_, true;
        return false;
    }
    Json Value() {
        Blanks();
        Json v;
        if (Take('{')) {
            v.kind = Json::Object;
            if (Take('}')) return v;
            do {
                Json key = Value();
                EXPECT_EQ(key.kind, Json::String);
                EXPECT_TRUE(Take(':'));
                v.members.emplace_back(key.text, Value());
            } while (Take(','));
            EXPECT_TRUE(Take('}')) << "at " << i_;
        } else if (Take('"')) {
            for (; i_ < s_.size() && s_[i_] != '"'; ++i_) {
                const auto c = static_cast<unsigned char>(s_[i_]);
                EXPECT_GE(c, 0x20) << "raw control character at " << i_;
                if (c != '\\') {
                    v.text += s_[i_];
                    continue;
                }
                const char e = s_[++i_];
                const std::string simple = "\"\\/bfnrt", meaning = "\"\\/\b\f\n\r\t";
                if (e == 'u') {
                    AppendUtf8(v.text, static_cast<char32_t>(std::stoul(s_.substr(i_ + 1, 4), nullptr, 16)));
                    i_ += 4;
                } else {
                    EXPECT_NE(simple.find(e), std::string::npos) << "escape \\" << e;
                    v.text += meaning[simple.find(e)];
                }
            }
            EXPECT_TRUE(Take('"'));
        } else {
            v.kind = Json::Number;
            while (i_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '-'))
                v.text += s_[i_++];
            EXPECT_FALSE(v.text.empty()) << "no value at " << i_;
        }
        return v;
    }

    const std::string& s_;
    std::size_t i_ = 0;
};

Bookmark Make(std::string name, int64_t hz, const char* modu) { return {std::move(name), hz, "", ModeOfModu(modu)}; }

}  // namespace

TEST(SdrppFrequencyList, isJsonWithUniqueEscapedNamesAndNumbersForFrequencyBandwidthAndMode) {
    const std::string text =
        SdrppFrequencyListText({Make("BBC 0500 English", 6005000, "A"), Make("BBC 0500 English", 7325000, "U"),
                                Make("Say \"hi\" \\ bye", 9410000, "L"), Make("Tab\there\x01", 9420000, "C"),
                                Make("Радио Россия 0300", 9450000, "X")});
    const Json doc = JsonReader(text).Document();
    ASSERT_EQ(doc.kind, Json::Object);
    ASSERT_EQ(doc.members.size(), 1u);
    EXPECT_EQ(doc.members[0].first, "bookmarks");
    const auto& list = doc.members[0].second.members;
    ASSERT_EQ(list.size(), 5u);
    struct Expected {
        const char* name;
        const char* hz;
        const char* bandwidth;
        const char* mode;
    };
    const Expected expected[] = {{"BBC 0500 English", "6005000", "10000", "2"},
                                 {"BBC 0500 English (2)", "7325000", "2800", "4"},
                                 {"Say \"hi\" \\ bye", "9410000", "2800", "6"},
                                 {"Tab\there\x01", "9420000", "500", "5"},
                                 {"Радио Россия 0300", "9450000", "10000", "2"}};
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].first, expected[i].name);
        std::map<std::string, Json> fields(list[i].second.members.begin(), list[i].second.members.end());
        ASSERT_EQ(fields.size(), 3u);
        for (const auto& [field, value] : fields) EXPECT_EQ(value.kind, Json::Number) << field;
        EXPECT_EQ(fields["frequency"].text, expected[i].hz);
        EXPECT_EQ(fields["bandwidth"].text, expected[i].bandwidth);
        EXPECT_EQ(fields["mode"].text, expected[i].mode);
    }
    EXPECT_NE(text.find("Радио Россия"), std::string::npos) << "non-ASCII stays UTF-8";
    EXPECT_EQ(JsonReader(SdrppFrequencyListText({})).Document().members[0].second.members.size(), 0u);
}

TEST(SdrppFrequencyList, suffixesNeverTakeANameTheListHolds) {
    auto names = [](std::vector<std::string> given) {
        std::vector<Bookmark> bookmarks;
        for (auto& n : given) bookmarks.push_back(Make(n, 1000, "A"));
        return UniqueNames(bookmarks);
    };
    using Names = std::vector<std::string>;
    EXPECT_EQ(names({"X", "X", "X"}), (Names{"X", "X (2)", "X (3)"}));
    EXPECT_EQ(names({"X", "X", "X (2)"}), (Names{"X", "X (3)", "X (2)"}));
    EXPECT_EQ(names({"X (2)", "X", "X"}), (Names{"X (2)", "X", "X (3)"}));
}
