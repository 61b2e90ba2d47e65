#pragma once
// Where a print job goes: a printer by device name, or a PDF file.

#include <functional>
#include <string>

namespace kv::platform::qt {

struct PrintTarget {
    std::string printerName;  // Windows-1252 device name; empty: the system's default printer
    // When set, the job is written to this PDF file (a host path) instead of a printer. A file has
    // no unprintable border, so its origin is the paper's corner; a printer's is the corner of the
    // printable area, as on the printer object.
    std::string pdfFile;
};

// Asked at the start of every job, so the printer chosen at start-up is the one used.
using PrintTargetSource = std::function<PrintTarget()>;

}  // namespace kv::platform::qt
