#pragma once
// The creation date in the two forms a document carries it: the PDF date string of the /Info
// dictionary and the ISO 8601 date of the XMP packet, both with the local time's offset from UTC.

#include <ctime>
#include <string>

#include "pdf/host.hpp"

namespace folivo {

// Minutes from UTC to local time, from the local and the UTC broken-down forms of one instant.
int UtcOffsetMinutes(const std::tm& local, const std::tm& utc);

// "D:yyyymmddhhmmss+HH'mm'" (or -HH'mm'; +00'00' at UTC).
std::string PdfDate(const LocalTime& time);

// "yyyy-mm-ddThh:mm:ss+HH:mm" (or -HH:mm; +00:00 at UTC).
std::string XmpDate(const LocalTime& time);

}  // namespace folivo
