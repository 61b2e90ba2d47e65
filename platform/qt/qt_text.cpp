#include "platform/qt/qt_text.hpp"

#include "platform/text_encoding.hpp"

namespace kv::platform::qt {

QString ToQString(const std::string& cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

std::string FromQString(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

}  // namespace kv::platform::qt
