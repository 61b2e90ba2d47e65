#pragma once
// Windows-1252 text, the program's inside text, and Qt's strings, converted at the Qt boundary.

#include <QString>
#include <string>

namespace kv::platform::qt {

QString ToQString(const std::string& cp1252);

// Characters outside Windows-1252 become "?".
std::string FromQString(const QString& text);

}  // namespace kv::platform::qt
