// The program's date-time value: days since 30 December 1899 with the time
// of day as fraction, in local time.
#include <cmath>
#include <ctime>
#include <functional>
#include <limits>

#include "core/platform/platform.h"

namespace plat {

namespace {

constexpr int64_t kMsPerDay = 86400000;

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t yy = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

const int64_t kEpochOffsetDays = -DaysFromCivil(1899, 12, 30);  // 1970-01-01 as a day number

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

std::function<int()> clockSecondSource;

}  // namespace

DateTime FileTimeToDateTime(const FileTime& t) {
    time_t sec = static_cast<time_t>(t.sec);
    struct tm lt {};
    // A time the calendar cannot express gives no date at all (NaN), so it
    // shows as "?" and fails every range test.
    if (!localtime_r(&sec, &lt)) return std::numeric_limits<double>::quiet_NaN();
    int64_t days = DaysFromCivil(lt.tm_year + 1900LL, lt.tm_mon + 1, lt.tm_mday) + kEpochOffsetDays;
    double frac = (lt.tm_hour * 3600.0 + lt.tm_min * 60.0 + lt.tm_sec + t.nsec / 1e9) / 86400.0;
    return static_cast<double>(days) + frac;
}

bool DecodeDateTime(DateTime d, DateParts& out) {
    if (!std::isfinite(d) || d < -693593.0 || d > 2958466.0) return false;  // years 1..9999
    int64_t totalMs = static_cast<int64_t>(std::llround(d * kMsPerDay));
    int64_t days = totalMs >= 0 ? totalMs / kMsPerDay : -((-totalMs + kMsPerDay - 1) / kMsPerDay);
    int64_t ms = totalMs - days * kMsPerDay;
    CivilFromDays(days - kEpochOffsetDays, out.year, out.month, out.day);
    out.hour = static_cast<int>(ms / 3600000);
    out.minute = static_cast<int>(ms / 60000 % 60);
    out.second = static_cast<int>(ms / 1000 % 60);
    out.msec = static_cast<int>(ms % 1000);
    out.dayOfWeek = static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
    return out.year >= 1 && out.year <= 9999;
}

bool EncodeDate(int year, int month, int day, DateTime& out) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    int max = kDays[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0);
    if (day > max) return false;
    out = static_cast<double>(DaysFromCivil(year, month, day) + kEpochOffsetDays);
    return true;
}

bool EncodeTime(int hour, int minute, int second, int msec, DateTime& out) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        msec < 0 || msec > 999)
        return false;
    out = (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + msec) / kMsPerDay;
    return true;
}

FileTime DateTimeToFileTime(DateTime d) {
    DateParts p{};
    if (!DecodeDateTime(d, p)) return {};
    struct tm lt {};
    lt.tm_year = p.year - 1900;
    lt.tm_mon = p.month - 1;
    lt.tm_mday = p.day;
    lt.tm_hour = p.hour;
    lt.tm_min = p.minute;
    lt.tm_sec = p.second;
    lt.tm_isdst = -1;
    time_t t = mktime(&lt);
    return FileTime{static_cast<int64_t>(t), p.msec * 1000000};
}

DateTime Now() {
    struct timespec ts {};
    clock_gettime(CLOCK_REALTIME, &ts);
    return FileTimeToDateTime(FileTime{ts.tv_sec, static_cast<int32_t>(ts.tv_nsec)});
}

uint64_t GetTickCount() {
    struct timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint64_t>(ts.tv_sec) * 1000 + static_cast<uint64_t>(ts.tv_nsec) / 1000000;
}

int ClockSecond() {
    if (clockSecondSource) return clockSecondSource();
    time_t now = time(nullptr);
    struct tm lt {};
    localtime_r(&now, &lt);
    return lt.tm_sec % 60;
}

void SetClockSecondSource(std::function<int()> source) { clockSecondSource = std::move(source); }

}  // namespace plat
