#pragma once
// The printer list as Qt PrintSupport sees it (the CUPS queues on Linux): the names QPrinter can
// print to. Needs a Qt application (QtSession or the window's).

#include "platform/printers.hpp"

namespace kv::platform::qt {

class QtPrinters : public Printers {
public:
    std::vector<std::string> DeviceNames() const override;
    std::string DefaultDeviceName() const override;
};

}  // namespace kv::platform::qt
