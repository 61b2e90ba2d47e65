#pragma once
// The spooler's default printer, shared by the printer list and the GDI printer object.

#include <string>

namespace kv::platform::win32 {

// The default printer's name as the spooler gives it; empty when there is none.
std::wstring DefaultPrinterName();

}  // namespace kv::platform::win32
