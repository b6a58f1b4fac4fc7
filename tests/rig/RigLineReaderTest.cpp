#include <gtest/gtest.h>

#include <string>

#include "rig/RigLineReader.h"

using namespace zofar;

TEST(RigLineReader, linesSplitAcrossReadsComeWholeAndInOrder) {
    RigLineReader reader;
    reader.Append("RPR");
    EXPECT_FALSE(reader.Next().has_value());
    reader.Append("T 0\n7100");
    reader.Append("000\n\n");
    EXPECT_EQ(reader.Next()->text, "RPRT 0");
    EXPECT_EQ(reader.Next()->text, "7100000");
    EXPECT_EQ(reader.Next()->text, "");
    EXPECT_FALSE(reader.Next().has_value());
}

TEST(RigLineReader, nulBytesStayInTheLine) {
    RigLineReader reader;
    reader.Append(
        std::string("71\0"
                    "00\n",
                    6));
    EXPECT_EQ(reader.Next()->text, std::string("71\0"
                                               "00",
                                               5));
}

TEST(RigLineReader, anOverlongLineIsOneMarkAndItsRestIsSkipped) {
    RigLineReader reader(8);
    reader.Append("12345678\n");
    reader.Append("123456789");
    reader.Append(std::string(100000, '9'));
    reader.Append("99\nRPRT 0\n");
    EXPECT_EQ(reader.Next()->text, "12345678");
    const auto overlong = reader.Next();
    EXPECT_TRUE(overlong->overlong);
    EXPECT_EQ(overlong->text, "");
    EXPECT_EQ(reader.Next()->text, "RPRT 0");
    EXPECT_FALSE(reader.Next().has_value());
}

TEST(RigLineReader, resyncDropsTheRestOfAnUnfinishedLineButNotTheNextLine) {
    RigLineReader reader;
    reader.Append("RPRT 0\nRP");
    reader.Resync();
    EXPECT_FALSE(reader.Next().has_value());
    reader.Append("RT 0\n7100000\n");
    EXPECT_EQ(reader.Next()->text, "7100000");
    reader.Append("145000000\n");
    reader.Resync();
    reader.Append("RPRT 0\n");
    EXPECT_EQ(reader.Next()->text, "RPRT 0");
}
