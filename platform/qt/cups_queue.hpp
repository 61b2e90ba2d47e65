#pragma once
// What the printing service says about a queue before a job goes to it. Qt hands a finished job to
// CUPS without looking at the answer, so a queue that refuses jobs would lose the job unseen.

#include <string>

namespace kv::platform::qt {

// Empty when the queue (UTF-8 name) takes jobs; otherwise why it does not. A stopped queue still
// takes jobs: they wait until it is started again, as on a paused printer.
std::string QueueRefusal(const std::string& queue);

// The same for a Windows-1252 device name, the reason in Windows-1252: the program's printer check.
std::string PrinterRefusal(const std::string& deviceName);

}  // namespace kv::platform::qt
