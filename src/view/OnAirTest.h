#pragma once

#include <optional>

#include "base/Clock.h"
#include "store/FieldValue.h"

namespace zofar {

/// An "hh:mm" text as minutes since 00:00; the separator is not examined, so "22.00" reads too,
/// and "24:00" reads as 1440. Nothing for Null, a number or a text without two numbers there.
std::optional<int> ReadTimeOfDay(const FieldValue& value);

/// Whether DAYS (digits, 1 = Monday ... 7 = Sunday) holds `weekday`; Null, empty or blanks
/// mean every day.
bool RunsOnWeekday(const FieldValue& days, int weekday);

/// Decides whether a transmission is on the air at one sampled UTC minute and weekday.
/// The list marks rows with it in any selection; it does not look at the filter.
class OnAirTest {
public:
    /// `minuteOfDay` 0..1439 since 00:00 UTC; `weekday` 1 = Monday ... 7 = Sunday.
    OnAirTest(int minuteOfDay, int weekday) : minuteOfDay_(minuteOfDay), weekday_(weekday) {}
    static OnAirTest At(const UtcTime& time) { return {time.hour * 60 + time.minute, time.weekday}; }

    /// START and END as "hh:mm" texts, DAYS as digits. A value that does not have the expected
    /// form makes the row not on air, except DAYS, where Null, empty or blanks mean every day.
    bool IsOnAir(const FieldValue& start, const FieldValue& end, const FieldValue& days) const;

    int MinuteOfDay() const { return minuteOfDay_; }
    int Weekday() const { return weekday_; }

private:
    int minuteOfDay_;
    int weekday_;
};

}  // namespace zofar
