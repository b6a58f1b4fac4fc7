#include "import/EibiCoordinates.h"

#include <gtest/gtest.h>

namespace zofar {
namespace {

TEST(EibiCoordinates, theListsWaysOfWritingAPositionGiveDegreesAndMinutes) {
    struct Case {
        std::string text;
        std::size_t begin;
        std::string latitude, longitude;
    };
    const std::vector<Case> cases = {
        {"Berlin 52N31-13E23", 7, "52N31", "013E23"},
        {"j-Johannesburg 26S07'40\"-28E12'20\"", 15, "26S07", "028E12"},
        {"Mount Isa 20S 43'31\"-139E29'14\"", 10, "20S43", "139E29"},
        {"Charter Towers 20S05'06\"146E15'34\"", 15, "20S05", "146E15"},
        {"Muan 35N1'56\"-126E14'19\"", 5, "35N01", "126E14"},
        {"Manchester 35N37'27'-86W00'52\"", 11, "35N37", "086W00"},
        {"Oran 7TO 35N46-00W33", 9, "35N46", "000W33"},
        {"Doulovo (1161) 43N49-27E09", 15, "43N49", "027E09"},
        {"v-Valparaiso 32S48-71W29 or 33S01'13\"-71W38'32\"", 13, "32S48", "071W29"},
    };
    for (const auto& c : cases) {
        const auto position = FindEibiCoordinates(c.text);
        ASSERT_TRUE(position) << c.text;
        EXPECT_EQ(position->begin, c.begin) << c.text;
        EXPECT_EQ(position->latitude, c.latitude) << c.text;
        EXPECT_EQ(position->longitude, c.longitude) << c.text;
    }
}

TEST(EibiCoordinates, textWithoutAPositionInRangeHasNone) {
    for (const std::string text : {"Halls Creek NSW, 50 km NE of Tamsworth", "Unknown site", "91N00-10E00",
                                   "10N60-10E00", "10N00-181E00", "10N00-10E000", "123N00-10E00", "52N31"}) {
        EXPECT_FALSE(FindEibiCoordinates(text)) << text;
    }
}

}  // namespace
}  // namespace zofar
