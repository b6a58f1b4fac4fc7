#include "selection/FilterDescription.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace zofar {
namespace {

struct DescriptionCase {
    const char* name;
    std::function<void(FilterCriteria&)> set;
    std::string expected;
};

TEST(FilterDescription, namesEachTickedCriterionInTheDialogsOrder) {
    const DescriptionCase cases[] = {
        {"nothing ticked", [](FilterCriteria&) {}, "No filter"},
        {"values without their flag",
         [](FilterCriteria& c) {
             c.FStation = "BBC";
             c.BFStation = 2;  // only a flag of exactly 1 takes part in the condition
         },
         "No filter"},
        {"frequency range without a zero decimal",
         [](FilterCriteria& c) {
             c.BFFrequency = 1;
             c.FFrequency1 = 9400;
             c.FFrequency2 = 9900.5;
         },
         "Frequency 9400-9900.5 kHz"},
        {"substring mode",
         [](FilterCriteria& c) {
             c.BFStation = 1;
             c.FStation = "BBC";
         },
         "Station contains BBC"},
        {"exact mode",
         [](FilterCriteria& c) {
             c.BFStation = 1;
             c.FStation = "BBC";
             c.BFExactMatch = 1;
         },
         "Station is BBC"},
        {"alternatives, the empty ones skipped",
         [](FilterCriteria& c) {
             c.BFStation = 1;
             c.FStation = "|BBC||VOA|";
         },
         "Station contains BBC or VOA"},
        {"no alternative at all",
         [](FilterCriteria& c) {
             c.BFLanguage = 1;
             c.FLanguage = "||";
         },
         "Language is empty"},
        {"always exact whatever the switch",
         [](FilterCriteria& c) {
             c.BFItu = 1;
             c.FItu = "G";
         },
         "Country code (ITU) is G"},
        {"start range past midnight",
         [](FilterCriteria& c) {
             c.BFTime = 1;
             c.FStart = "22:00";
             c.FEnd = "02:00";
         },
         "Start 22:00-02:00"},
        {"on air now",
         [](FilterCriteria& c) {
             c.BFOnair = 1;
             c.BFOnairNow = 1;
             c.FOnairTime = "14:00";
         },
         "On air now"},
        {"on air at a time",
         [](FilterCriteria& c) {
             c.BFOnair = 1;
             c.FOnairTime = "14:00";
         },
         "On air at 14:00"},
        {"several, joined in the dialog's order",
         [](FilterCriteria& c) {
             c.BFOnair = 1;
             c.BFOnairNow = 1;
             c.BFDay = 1;
             c.FDay = "7";
             c.BFStn = 1;
             c.FStn = "B";
             c.BFFrequency = 1;
             c.FFrequency1 = 5900;
             c.FFrequency2 = 6200;
         },
         "Frequency 5900-6200 kHz \u00B7 Stn contains B \u00B7 Days contains 7 \u00B7 On air now"},
    };
    for (const DescriptionCase& test : cases) {
        FilterCriteria criteria;
        test.set(criteria);
        EXPECT_EQ(DescribeFilter(criteria, 1), test.expected) << test.name;
    }
}

TEST(FilterDescription, aDatedScheduleSaysItsOnAirFilterHonoursTheDates) {
    FilterCriteria criteria;
    criteria.BFOnair = 1;
    criteria.BFOnairNow = 1;
    EXPECT_EQ(DescribeFilter(criteria, 1, true), "On air now (dates honoured)");
    criteria.BFOnairNow = 0;
    criteria.FOnairTime = "14:00";
    EXPECT_EQ(DescribeFilter(criteria, 1, true), "On air at 14:00 (dates honoured)");
}

TEST(FilterDescription, switchedOffFilterIsNoFilterWhateverIsTicked) {
    FilterCriteria criteria;
    criteria.BFStation = 1;
    criteria.FStation = "BBC";
    EXPECT_EQ(DescribeFilter(criteria, 0), "No filter");
    EXPECT_EQ(DescribeFilter(criteria, 2), "No filter");
}

}  // namespace
}  // namespace zofar
