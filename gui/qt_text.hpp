#pragma once
// The Qt boundary of the program's texts: inside they are Windows-1252 bytes, Qt holds UTF-16.

#include <QString>
#include <string>

namespace kv::gui {

// Windows-1252 bytes as a Qt string.
QString ToQt(const std::string& cp1252);

// A Qt string as Windows-1252 bytes; characters outside the code page become "?".
std::string FromQt(const QString& text);

// A message box text with its CR LF, CR or LF line breaks as Qt's "\n".
QString MessageText(const std::string& cp1252);

}  // namespace kv::gui
