#include "schedule/OnAirCondition.h"

namespace zofar {

std::string OnAirCondition(const std::string& t, bool nowMode, int weekday) {
    std::string piece = "(((START < END AND START <= '" + t + "' AND END > '" + t +
                        "') OR (START > END AND NOT (END <= '" + t + "' AND START > '" + t + "')))";
    if (nowMode) {
        piece += " AND (DAYS IS NULL OR DAYS LIKE '' OR DAYS LIKE '*" + std::to_string(weekday) + "*'))";
    } else {
        piece += ")";
    }
    return piece;
}

namespace {

// The entry runs on `day`, the day its transmission started.
std::string RunsOn(const ScheduleDay& day, bool nowMode) {
    const std::string d = day.monthDay;
    std::string piece = "(VALIDFROM IS NULL OR VALIDFROM = '' OR (VALIDFROM <= VALIDTO AND VALIDFROM <= '" + d +
                        "' AND VALIDTO >= '" + d + "') OR (VALIDFROM > VALIDTO AND (VALIDFROM <= '" + d +
                        "' OR VALIDTO >= '" + d + "'))) AND (MONTHWEEK IS NULL OR MONTHWEEK = '' OR MONTHWEEK = '" +
                        std::string(1, day.weekOfMonth) + "'" + (day.lastOfMonth ? " OR MONTHWEEK = 'L'" : "") + ")";
    if (nowMode) {
        piece += " AND (DAYS IS NULL OR DAYS LIKE '' OR DAYS LIKE '*" + std::to_string(day.weekday) + "*')";
    }
    return piece;
}

}  // namespace

std::string DatedOnAirCondition(const std::string& t, bool nowMode, const ScheduleDay& today,
                                const ScheduleDay& yesterday) {
    const std::string startedToday = RunsOn(today, nowMode);
    return "((REGULARITY IS NULL OR REGULARITY = '') AND ((START < END AND START <= '" + t + "' AND END > '" + t +
           "' AND " + startedToday + ") OR (START > END AND START <= '" + t + "' AND " + startedToday +
           ") OR (START > END AND END > '" + t + "' AND " + RunsOn(yesterday, nowMode) + ")))";
}

}  // namespace zofar
