#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "selection/PredefinedFilterList.h"

using namespace zofar;

namespace {

std::vector<std::string> Names(const PredefinedFilterList& list) {
    std::vector<std::string> names;
    for (int i = 0; const auto name = list.Name(i); ++i) names.push_back(*name);
    return names;
}

PredefinedFilterList ListOf(std::initializer_list<const char*> names) {
    PredefinedFilterList list;
    for (const char* name : names) EXPECT_TRUE(list.Create(std::max(0, list.Count() - 1), name, {}));
    return list;
}

}  // namespace

TEST(PredefinedFilterList, createInAnEmptyListMakesTheOnlyEntryWhateverTheIndex) {
    for (const int index : {0, 1, 7}) {
        PredefinedFilterList list;
        EXPECT_TRUE(list.Create(index, "Europe", {}));
        EXPECT_EQ(Names(list), std::vector<std::string>{"Europe"});
    }
    PredefinedFilterList list;
    EXPECT_FALSE(list.Create(-1, "Europe", {}));
    EXPECT_EQ(list.Count(), 0);
}

TEST(PredefinedFilterList, createInsertsDirectlyAfterTheIndexAndFailsWithoutSuchEntry) {
    struct Case {
        int index;
        bool created;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {0, true, {"A", "new", "B", "C"}},
        {2, true, {"A", "B", "C", "new"}},
        {3, false, {"A", "B", "C"}},
        {-1, false, {"A", "B", "C"}},
    };
    for (const Case& c : cases) {
        PredefinedFilterList list = ListOf({"A", "B", "C"});
        EXPECT_EQ(list.Create(c.index, "new", {}), c.created) << c.index;
        EXPECT_EQ(Names(list), c.names) << c.index;
    }
}

TEST(PredefinedFilterList, aNewEntryCopiesTheCurrentCriteria) {
    FilterCriteria current;
    current.BFStation = 1;
    current.BFOnairNow = 1;
    current.FFrequency1 = 5900.0;
    current.FStation = "BBC";
    current.FOnairTime = "12:00";
    PredefinedFilterList list;
    ASSERT_TRUE(list.Create(0, "BBC", current));
    current.FStation = "changed later";
    ASSERT_NE(list.At(0), nullptr);
    EXPECT_EQ(list.At(0)->name, "BBC");
    EXPECT_EQ(list.At(0)->criteria.FStation, "BBC");
    EXPECT_EQ(list.At(0)->criteria.FFrequency1, 5900.0);
    EXPECT_EQ(list.At(0)->criteria.BFOnairNow, 1u);
}

TEST(PredefinedFilterList, deletingTheOnlyEntryThenCreatingMakesTheNewOneFirst) {
    PredefinedFilterList list = ListOf({"old"});
    list.Delete(0);
    EXPECT_EQ(list.Count(), 0);
    ASSERT_TRUE(list.Create(0, "new", {}));
    EXPECT_EQ(Names(list), std::vector<std::string>{"new"});
}

TEST(PredefinedFilterList, indicesWithoutAnEntryChangeAndFindNothing) {
    PredefinedFilterList list = ListOf({"A", "B"});
    list.Delete(-1);
    list.Delete(2);
    list.Delete(1);
    EXPECT_EQ(Names(list), std::vector<std::string>{"A"});
    for (const int index : {-1, 1}) {
        EXPECT_EQ(list.Name(index), std::nullopt);
        EXPECT_EQ(list.At(index), nullptr);
    }
}
