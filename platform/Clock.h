#pragma once
// The computer's clock, read as local time and as UTC.

namespace zorbel::platform {

// A calendar date and time of day, as plain numbers (month and day from 1).
struct DateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const DateTime&) const = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime LocalNow() const = 0;
    virtual DateTime UtcNow() const = 0;
};

}  // namespace zorbel::platform
