#include "platform/printers.hpp"

#include <cstdio>
#include <sstream>

#include "platform/text_encoding.hpp"

namespace kv::platform {

namespace {

// Standard output of a command; empty when it cannot run.
std::string CommandOutput(const char* command) {
    std::string output;
    FILE* pipe = ::popen(command, "r");
    if (pipe == nullptr) return output;
    char chunk[512];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) output.append(chunk, got);
    ::pclose(pipe);
    return output;
}

// The non-empty parts of UTF-8 text, as Windows-1252 like every name inside the program.
std::vector<std::string> Split(const std::string& utf8, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(Utf8ToCp1252(utf8));
    std::string part;
    while (std::getline(in, part, separator)) {
        if (!part.empty() && part.back() == '\r') part.pop_back();
        if (!part.empty()) parts.push_back(part);
    }
    return parts;
}

}  // namespace

std::vector<std::string> CupsPrinters::DeviceNames() const {
    return Split(CommandOutput("lpstat -e 2>/dev/null"), '\n');
}

std::string CupsPrinters::DefaultDeviceName() const {
    const std::string marker = "system default destination: ";
    std::string output = CommandOutput("LC_ALL=C lpstat -d 2>/dev/null");
    auto at = output.find(marker);
    if (at == std::string::npos) return "";
    std::string name = output.substr(at + marker.size());
    return Utf8ToCp1252(name.substr(0, name.find_first_of("\r\n")));
}

std::unique_ptr<Printers> MakePrinters(const char* listSetting) {
    if (listSetting == nullptr) return std::make_unique<CupsPrinters>();
    std::vector<std::string> names = Split(listSetting, ';');
    std::string defaultName = names.empty() ? "" : names.front();
    return std::make_unique<FixedPrinters>(std::move(names), std::move(defaultName));
}

}  // namespace kv::platform
