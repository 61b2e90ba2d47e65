#include "gui/qt_text.hpp"

#include <QStringList>

#include "platform/text_encoding.hpp"

namespace kv::gui {

QString ToQt(const std::string& cp1252) {
    return QString::fromStdString(platform::Cp1252ToUtf8(cp1252));
}

std::string FromQt(const QString& text) { return platform::Utf8ToCp1252(text.toStdString()); }

QString MessageText(const std::string& cp1252) {
    // SplitLines drops a trailing break; the boxes keep the empty lines inside the text.
    QStringList lines;
    for (const std::string& line : platform::SplitLines(cp1252)) lines << ToQt(line);
    return lines.join(QChar('\n'));
}

}  // namespace kv::gui
