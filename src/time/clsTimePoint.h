#pragma once

#include <cstdint>
#include <string>

// A date and a time of day to the whole second, in local time, in six fields.
// The calendar is simplified: every year divisible by 4 is a leap year. Fields
// are never range-checked when set; only FixIt() normalises them.
// Arithmetic that leaves 32 bits raises zk::OverflowError.
class clsTimePoint
{
public:
    clsTimePoint() = default; // year 0, 1 January, 00:00:00

    void SetTime(std::int32_t h, std::int32_t m, std::int32_t s);
    void SetDay(std::int32_t y, std::int32_t m, std::int32_t d);

    std::int32_t Hour() const { return m_hour; }
    void Hour(std::int32_t v) { m_hour = v; }
    std::int32_t Minute() const { return m_minute; }
    void Minute(std::int32_t v) { m_minute = v; }
    std::int32_t Seconds() const { return m_seconds; }
    void Seconds(std::int32_t v) { m_seconds = v; }
    std::int32_t Year() const { return m_year; }
    void Year(std::int32_t v) { m_year = v; }
    std::int32_t Month() const { return m_month; }
    void Month(std::int32_t v) { m_month = v; }
    std::int32_t Day() const { return m_day; }
    void Day(std::int32_t v) { m_day = v; }

    void FixIt();
    void SetTimeFromTimePoint(const clsTimePoint &t);
    void SetTimeFromClock();

    bool IsBeforeTime(const clsTimePoint &t) const;
    bool IsBeforeDate(const clsTimePoint &t) const;
    bool Equals(const clsTimePoint &t) const;
    bool EqualDates(const clsTimePoint &t) const;
    // 1 when this lies before t, -1 when after, 0 when equal.
    std::int16_t CompareTo(const clsTimePoint &t) const;
    std::int16_t CompareToDates(const clsTimePoint &t) const;

    std::int32_t GetDayInWeek() const; // 1 = Monday ... 7 = Sunday
    std::int32_t GetDaysDifference(const clsTimePoint &t) const;
    std::int32_t GetSecondsDifference(const clsTimePoint &t) const;

    std::string GetTimeAsString() const; // "9:5:3"
    std::string GetDayAsString() const;  // "4/12/2002"

    // Copies are made only explicitly, with SetTimeFromTimePoint.
    clsTimePoint(const clsTimePoint &) = delete;
    clsTimePoint &operator=(const clsTimePoint &) = delete;

private:
    static std::int16_t CompareTriples(std::int32_t a1, std::int32_t a2, std::int32_t a3,
                                       std::int32_t b1, std::int32_t b2, std::int32_t b3);

    std::int32_t m_day = 1;
    std::int32_t m_month = 1;
    std::int32_t m_year = 0;
    std::int32_t m_hour = 0;
    std::int32_t m_minute = 0;
    std::int32_t m_seconds = 0;
};
