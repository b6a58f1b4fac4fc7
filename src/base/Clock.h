#pragma once

namespace zofar {

/// A moment in UTC, broken down. weekday: 1 = Monday ... 7 = Sunday.
struct UtcTime {
    int year = 1970, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    int weekday = 4;
};

/// The broken-down UTC time of seconds since 1970.
UtcTime UtcTimeFromEpoch(long long seconds);

/// The time source of everything that follows the clock; tests set it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual UtcTime NowUtc() const = 0;
};

/// The system's UTC time.
class SystemClock : public Clock {
public:
    UtcTime NowUtc() const override;
};

/// A clock standing at a time the owner sets.
class FixedClock : public Clock {
public:
    explicit FixedClock(UtcTime t = {}) : time_(t) {}
    void Set(UtcTime t) { time_ = t; }
    UtcTime NowUtc() const override { return time_; }

private:
    UtcTime time_;
};

}  // namespace zofar
