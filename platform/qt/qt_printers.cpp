#include "platform/qt/qt_printers.hpp"

#include <QPrinterInfo>

#include "platform/qt/qt_text.hpp"

namespace kv::platform::qt {

std::vector<std::string> QtPrinters::DeviceNames() const {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(FromQString(name));
    return names;
}

std::string QtPrinters::DefaultDeviceName() const {
    return FromQString(QPrinterInfo::defaultPrinterName());
}

}  // namespace kv::platform::qt
