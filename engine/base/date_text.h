// Dates through a text mask, as the reports stamp them: "%yyyy,%mm,%dd  TIME:%hh:%ii:%ss".
#pragma once

#include <string>
#include <string_view>

namespace base {

// A local calendar time as the platform reports it.
struct LocalTime {
    int year = 0, month = 0, day = 0;      // month 1..12, day 1..31
    int hour = 0, minute = 0, second = 0;  // 24-hour clock
};

// %yyyy four-digit year, %yy two-digit year, %mm month, %dd day, %hh hour (24-hour clock),
// %ii minute, %ss second, each zero-padded; every other character is copied.
std::string formatDate(std::string_view mask, const LocalTime& time);

}  // namespace base
