#include "platform/qt/cups_queue.hpp"

#include <cups/cups.h>

#include <string_view>

#include "platform/text_encoding.hpp"

namespace kv::platform::qt {

std::string QueueRefusal(const std::string& queue) {
    cups_dest_t* destination = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr);
    if (destination == nullptr) return "no printer named " + queue;
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", destination->num_options, destination->options);
    std::string refusal;
    if (accepting != nullptr && std::string_view(accepting) == "false")
        refusal = "the printer " + queue + " does not accept jobs";
    cupsFreeDests(1, destination);
    return refusal;
}

std::string PrinterRefusal(const std::string& deviceName) {
    return Utf8ToCp1252(QueueRefusal(Cp1252ToUtf8(deviceName)));
}

}  // namespace kv::platform::qt
