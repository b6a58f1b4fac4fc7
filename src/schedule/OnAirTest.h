#pragma once

#include <optional>

#include "base/Clock.h"
#include "schedule/ScheduleDay.h"
#include "store/FieldValue.h"
#include "store/RowCache.h"

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
    static OnAirTest At(const UtcTime& time);

    /// START and END as "hh:mm" texts, DAYS as digits. A value that does not have the expected
    /// form makes the row not on air, except DAYS, where Null, empty or blanks mean every day.
    bool IsOnAir(const FieldValue& start, const FieldValue& end, const FieldValue& days) const;

    /// The rule of a database whose entries say when they are valid (DatedOnAirCondition): the
    /// times as IsOnAir, the regularity, and the day the transmission started within the validity,
    /// its week of the month and DAYS. Needs the days of At().
    bool IsOnAirDated(const FieldValue& start, const FieldValue& end, const FieldValue& days,
                      const FieldValue& validFrom, const FieldValue& validTo, const FieldValue& regularity,
                      const FieldValue& monthWeek) const;

    /// The rule for a row of the browse set: IsOnAirDated in a database whose entries say when
    /// they are valid (`dated`), IsOnAir in any other. Every view that marks records asks this.
    bool IsRowOnAir(const RowValues& row, bool dated) const;

    int MinuteOfDay() const { return minuteOfDay_; }
    int Weekday() const { return weekday_; }

private:
    int minuteOfDay_;
    int weekday_;
    /// The sampled day and the one before; only At() knows them.
    std::optional<ScheduleDay> today_, yesterday_;
};

}  // namespace zofar
