#include "platform/printers.hpp"

#include <windows.h>
#include <winspool.h>

#include "platform/text_encoding.hpp"
#include "platform/win32/default_printer.hpp"

namespace kv::platform {

// The spooler's local printers and printer connections, by name.
std::vector<std::string> SystemPrinters::DeviceNames() const {
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0;
    DWORD count = 0;
    ::EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &count);
    if (needed == 0) return {};
    std::vector<BYTE> buffer(needed);
    if (!::EnumPrintersW(flags, nullptr, 4, buffer.data(), needed, &needed, &count)) return {};
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    std::vector<std::string> names;
    for (DWORD i = 0; i < count; ++i)
        if (printers[i].pPrinterName != nullptr) names.push_back(WideToCp1252(printers[i].pPrinterName));
    return names;
}

std::string SystemPrinters::DefaultDeviceName() const { return WideToCp1252(win32::DefaultPrinterName()); }

namespace win32 {

std::wstring DefaultPrinterName() {
    DWORD length = 0;
    ::GetDefaultPrinterW(nullptr, &length);
    if (length == 0) return {};
    std::wstring name(length, L'\0');
    if (!::GetDefaultPrinterW(name.data(), &length)) return {};
    name.resize(length > 0 ? length - 1 : 0);
    return name;
}

}  // namespace win32

}  // namespace kv::platform
