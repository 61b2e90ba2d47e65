#pragma once
// The printer object on Windows: each document a job on the spooler (StartDoc ... EndDoc), A4
// portrait, text drawn with TextOut in the font the report asks for, twips turned into the
// device's dots with its resolution. Failures (no printer, a name the spooler does not know, a job
// it refuses) are printer errors, sent to the error reporter.

#include <functional>
#include <memory>
#include <string>

#include "platform/printer_device.hpp"
#include "platform/services.hpp"

namespace kv::platform::win32 {

// `printerName` is asked at the start of every job (Windows-1252; empty: the system's default).
std::unique_ptr<PrinterDevice> MakeGdiPrinter(Services& services, std::function<std::string()> printerName);

}  // namespace kv::platform::win32
