#pragma once
// Document information: the texts of the /Info dictionary and of the XMP packet.

#include <string>

namespace folivo {

inline constexpr const char* kFolivoVersion = "2.4.8";
// The library banner, written in the file header and, with the release, as the default producer.
inline constexpr const char* kFolivoBanner = "Folivo PDF Writer";
inline constexpr const char* kDefaultAuthor = "Orvanta";
inline constexpr const char* kDefaultCreator = "Folivo";

inline std::string DefaultProducer() {
    return std::string(kFolivoBanner) + " rel. " + kFolivoVersion;
}

struct DocInfo {
    std::string title = "(senza titolo)";
    std::string subject;
    std::string keywords;
    std::string author = kDefaultAuthor;
    std::string creator = kDefaultCreator;
    std::string producer = DefaultProducer();
    std::string creationDate;     // "D:yyyymmddhhmmss+HH'mm'"
    std::string xmpCreationDate;  // the same moment as "yyyy-mm-ddThh:mm:ss+HH:mm"
};

}  // namespace folivo
