#include <gtest/gtest.h>

#include "view/ViewUpdates.h"

namespace zofar {
namespace {

TEST(ViewUpdates, currentPositionIsCentredByScrollingBelowThenAbove) {
    const auto plan = ViewUpdates::PlanShowCurrent(100, false, 1000, 21);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->selectRow, 100);
    EXPECT_EQ(plan->scrollFirst, 110);
    EXPECT_EQ(plan->scrollThen, 90);
}

TEST(ViewUpdates, centringStaysInsideTheList) {
    const auto top = ViewUpdates::PlanShowCurrent(0, false, 5, 20);
    ASSERT_TRUE(top);
    EXPECT_EQ(top->selectRow, 0);
    EXPECT_EQ(top->scrollFirst, 4);
    EXPECT_EQ(top->scrollThen, 0);

    const auto bottom = ViewUpdates::PlanShowCurrent(999, false, 1000, 20);
    ASSERT_TRUE(bottom);
    EXPECT_EQ(bottom->scrollFirst, 999);
    EXPECT_EQ(bottom->scrollThen, 990);
}

TEST(ViewUpdates, noPositionWithOnAirNowFilterDoesNothing) {
    EXPECT_FALSE(ViewUpdates::PlanShowCurrent(-1, true, 100, 20));
}

TEST(ViewUpdates, noPositionWithoutOnAirNowFilterShowsFirstRow) {
    const auto plan = ViewUpdates::PlanShowCurrent(-1, false, 100, 20);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->selectRow, 0);
    EXPECT_EQ(plan->scrollThen, 0);
}

TEST(ViewUpdates, lastScreenRowIsCutAtTheEndOfTheList) {
    const ListRows full = ViewUpdates::ScreenRows(3, 10, 20, 1000);
    EXPECT_EQ(full.selected, 3);
    EXPECT_EQ(full.firstVisible, 10);
    EXPECT_EQ(full.lastVisible, 29);
    EXPECT_EQ(ViewUpdates::ScreenRows(-1, 0, 20, 5).lastVisible, 4);
    EXPECT_EQ(ViewUpdates::ScreenRows(-1, 0, 20, 0).lastVisible, -1);
}

}  // namespace
}  // namespace zofar
