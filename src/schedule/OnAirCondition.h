#pragma once

#include <string>

#include "schedule/ScheduleDay.h"

namespace zofar {

/// The on-air rule as a condition of the selection: START and END as "hh:mm" texts compared as
/// text with the time `t` ("hh:mm", already escaped for a literal); a start after the end runs
/// past midnight, a start equal to the end is never on air. In now mode the weekday (1 = Monday)
/// must be among DAYS' digits, an empty or Null DAYS meaning every day. The list's marker
/// (OnAirTest) is the same rule read from a row; both are held to each other by a test.
std::string OnAirCondition(const std::string& t, bool nowMode, int weekday);

/// The on-air rule of a database whose entries say when they are valid (the extension columns):
/// the times as in OnAirCondition, and the entry is neither inactive, irregular nor off season,
/// and the day it started on lies within VALIDFROM-VALIDTO (a range whose start lies after its
/// end runs over the new year; none means the whole season) and in its week of the month
/// (MONTHWEEK); in now mode that day's weekday is among DAYS. The part of a transmission past
/// midnight started the day before, so one that starts on its last valid day runs to its end.
std::string DatedOnAirCondition(const std::string& t, bool nowMode, const ScheduleDay& today,
                                const ScheduleDay& yesterday);

}  // namespace zofar
