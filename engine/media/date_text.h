// Dates through a text mask, as the reports stamp them: "%yyyy,%mm,%dd  TIME:%hh:%ii:%ss".
#pragma once

#include <string>
#include <string_view>

#include "engine/media/platform.h"

namespace media {

// %yyyy four-digit year, %yy two-digit year, %mm month, %dd day, %hh hour (24-hour clock),
// %ii minute, %ss second, each zero-padded; every other character is copied.
std::string formatDate(std::string_view mask, const LocalTime& time);

}  // namespace media
