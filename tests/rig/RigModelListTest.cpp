#include <gtest/gtest.h>

#include "rig/RigModelList.h"

using namespace zofar;

namespace {

constexpr const char* kListing =
    " Rig #  Mfg                    Model                   Version         Status      Macro\n"
    "     1  Hamlib                 Dummy                   20221128.0      Stable      RIG_MODEL_DUMMY\n"
    "     5  TRXManager             TRXManager 5.7.630+     20210613.0      Stable      RIG_MODEL_TRXMANAGER_RIG\n"
    "  1004  Yaesu                  MARK-V FT-1000MP        20230104.0      Stable      RIG_MODEL_FT1000MPMKV\n"
    "\n"
    "rigctl: a stray line\n"
    "  3073  Icom                   IC-7300                 20230109.0      Stable      RIG_MODEL_IC7300\r\n";

}  // namespace

TEST(RigModelList, readsTheColumnsOfRigctlsListing) {
    const auto models = ParseRigModelList(kListing);
    ASSERT_EQ(models.size(), 4u);
    EXPECT_EQ(models[0], (RigModel{1, "Hamlib", "Dummy", "20221128.0", "Stable"}));
    EXPECT_EQ(models[1], (RigModel{5, "TRXManager", "TRXManager 5.7.630+", "20210613.0", "Stable"}));
    EXPECT_EQ(models[2].model, "MARK-V FT-1000MP");
    EXPECT_EQ(models[3], (RigModel{3073, "Icom", "IC-7300", "20230109.0", "Stable"}));
}

TEST(RigModelList, withoutAHeaderTwoBlanksSeparateTheColumns) {
    const auto models = ParseRigModelList(
        "  120  Yaesu  FT-817  20220404.0  Stable\n  0  Nobody  Nothing\n-4  X  Y\n"
        "  7x  Broken  Line\n  2  Hamlib  NET rigctl\n");
    ASSERT_EQ(models.size(), 2u);
    EXPECT_EQ(models[0], (RigModel{120, "Yaesu", "FT-817", "20220404.0", "Stable"}));
    EXPECT_EQ(models[1], (RigModel{2, "Hamlib", "NET rigctl", "", ""}));
    EXPECT_TRUE(ParseRigModelList("").empty());
    EXPECT_TRUE(ParseRigModelList(std::string(3000, '\xff')).empty());
}

TEST(RigModelList, theFilterWantsEveryWordInTheNumberMakerOrModel) {
    const auto models = ParseRigModelList(kListing);
    const auto matching = [&](const char* filter) {
        std::vector<int> numbers;
        for (const RigModel& m : models) {
            if (RigModelMatches(m, filter)) numbers.push_back(m.number);
        }
        return numbers;
    };
    EXPECT_EQ(matching(""), (std::vector<int>{1, 5, 1004, 3073}));
    EXPECT_EQ(matching("icom"), (std::vector<int>{3073}));
    EXPECT_EQ(matching("  yaesu   1000 "), (std::vector<int>{1004}));
    EXPECT_EQ(matching("73"), (std::vector<int>{3073}));
    EXPECT_EQ(matching("yaesu icom"), (std::vector<int>{}));
    EXPECT_EQ(matching("stable"), (std::vector<int>{}));
    EXPECT_EQ(RigModelLabel(models[0]), "1  Hamlib Dummy");
}
