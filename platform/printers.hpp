#pragma once
// The printer-list port: the printers installed in the system, in the system's order, by device
// name (Windows-1252 text), and the system's default printer.

#include <memory>
#include <string>
#include <vector>

namespace kv::platform {

class Printers {
public:
    virtual ~Printers() = default;
    virtual std::vector<std::string> DeviceNames() const = 0;
    // The device name of the system's default printer; empty when there is none.
    virtual std::string DefaultDeviceName() const = 0;
};

// A list given in advance (tests, and KVVELM_PRINTERS).
class FixedPrinters : public Printers {
public:
    FixedPrinters(std::vector<std::string> names, std::string defaultName)
        : names_(std::move(names)), default_(std::move(defaultName)) {}
    std::vector<std::string> DeviceNames() const override { return names_; }
    std::string DefaultDeviceName() const override { return default_; }

private:
    std::vector<std::string> names_;
    std::string default_;
};

// The system's printers: on Linux the CUPS destinations as `lpstat` lists them (none when lpstat is
// missing), on Windows the spooler's local and connected printers.
class SystemPrinters : public Printers {
public:
    std::vector<std::string> DeviceNames() const override;
    std::string DefaultDeviceName() const override;
};

// The non-empty parts of UTF-8 text between separators, as Windows-1252 like every name inside.
std::vector<std::string> SplitNames(const std::string& utf8, char separator);

// The printer list the front ends use: when `listSetting` (the value of KVVELM_PRINTERS) is set,
// its names (UTF-8) separated by ";" with the first as default; otherwise the system's printers.
std::unique_ptr<Printers> MakePrinters(const char* listSetting);

}  // namespace kv::platform
