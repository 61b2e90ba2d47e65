#include "platform/win32/spooler_refusal.hpp"

#include <windows.h>
#include <winspool.h>

#include <vector>

#include "platform/text_encoding.hpp"

namespace kv::platform::win32 {

namespace {

// The states in which a job sent now would not come out.
constexpr DWORD kRefusingStatus = PRINTER_STATUS_OFFLINE | PRINTER_STATUS_ERROR | PRINTER_STATUS_NOT_AVAILABLE |
                                  PRINTER_STATUS_PENDING_DELETION | PRINTER_STATUS_SERVER_UNKNOWN;

}  // namespace

std::string SpoolerRefusal(const std::string& deviceName) {
    std::wstring name = Cp1252ToWide(deviceName);
    HANDLE handle = nullptr;
    if (!::OpenPrinterW(name.data(), &handle, nullptr)) return "no printer named " + deviceName;
    DWORD size = 0;
    ::GetPrinterW(handle, 2, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    std::string refusal;
    if (size > 0 && ::GetPrinterW(handle, 2, buffer.data(), size, &size)) {
        const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
        if ((info->Status & kRefusingStatus) != 0 || (info->Attributes & PRINTER_ATTRIBUTE_WORK_OFFLINE) != 0)
            refusal = "the printer " + deviceName + " does not accept jobs";
    }
    ::ClosePrinter(handle);
    return refusal;
}

}  // namespace kv::platform::win32
