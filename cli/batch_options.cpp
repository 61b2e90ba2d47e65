#include "cli/batch_options.hpp"

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>

namespace kv::cli {

namespace {

bool OneOf(const std::string& value, std::initializer_list<const char*> allowed) {
    return std::any_of(allowed.begin(), allowed.end(), [&](const char* a) { return value == a; });
}

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) parts.push_back(part);
    return parts;
}

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) {
        return c >= '0' && c <= '9';
    });
}

// "tutti" or a comma-separated list of months 1 to 12.
std::string SetMonths(BatchOptions& o, const std::string& value) {
    o.months.clear();
    if (value == "tutti") return "";
    for (const std::string& part : SplitCommas(value)) {
        int month = AllDigits(part) && part.size() <= 2 ? std::stoi(part) : 0;
        if (month < 1 || month > 12) return "--mesi: \"" + part + "\" is not a month from 1 to 12";
        if (std::find(o.months.begin(), o.months.end(), month) == o.months.end()) {
            o.months.push_back(month);
        }
    }
    return "";
}

// "tutte" or a comma-separated list of company codes of up to three digits.
std::string SetCompanies(BatchOptions& o, const std::string& value) {
    o.companies.clear();
    o.allCompanies = value == "tutte";
    if (o.allCompanies) return "";
    for (const std::string& part : SplitCommas(value)) {
        if (!AllDigits(part) || part.size() > 3) {
            return "--ditte: \"" + part + "\" is not a company code of up to three digits";
        }
        o.companies.push_back(std::string(3 - part.size(), '0') + part);
    }
    return "";
}

using Setter = std::function<std::string(BatchOptions&, const std::string&)>;

// The list of allowed values is copied: an initializer_list would not outlive this call.
Setter Choice(std::string BatchOptions::*field, std::initializer_list<const char*> allowedList,
              std::string name, std::string choices) {
    std::vector<std::string> allowed(allowedList.begin(), allowedList.end());
    return [=](BatchOptions& o, const std::string& value) -> std::string {
        if (std::find(allowed.begin(), allowed.end(), value) == allowed.end()) return name + ": expected " + choices + ", not \"" + value + "\"";
        o.*field = value;
        return "";
    };
}

const std::map<std::string, Setter>& ValueOptions() {
    static const std::map<std::string, Setter> options = {
        {"--report",
         [](BatchOptions& o, const std::string& value) -> std::string {
             if (!OneOf(value, {"documenti", "registro", "percipienti", "certificazioni"})) {
                 return "--report: expected documenti, registro, percipienti or certificazioni, "
                        "not \"" + value + "\"";
             }
             o.report = value;
             return "";
         }},
        {"--anno", Choice(&BatchOptions::year, {"corrente", "precedente"}, "--anno",
                          "corrente or precedente")},
        {"--ordine", Choice(&BatchOptions::order, {"codice", "ragione"}, "--ordine",
                            "codice or ragione")},
        {"--uscita", Choice(&BatchOptions::output, {"pdf", "stampa"}, "--uscita", "pdf or stampa")},
        {"--mesi", SetMonths},
        {"--ditte", SetCompanies},
        {"--data", [](BatchOptions& o, const std::string& value) -> std::string {
             o.date = value;
             return "";
         }},
    };
    return options;
}

}  // namespace

ParsedOptions ParseBatchOptions(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    for (std::size_t i = 0; i < arguments.size() && parsed.error.empty(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if ((name == "--help" || name == "-h" || name == "--info") && !value) {
            (name == "--info" ? parsed.options.info : parsed.options.help) = true;
            continue;
        }
        if (name == "--non-sovrascrivere" && !value) {
            parsed.options.keepExisting = true;
            continue;
        }
        auto option = ValueOptions().find(name);
        if (option == ValueOptions().end()) {
            parsed.error = "unknown option \"" + name + "\"";
        } else if (!value && i + 1 >= arguments.size()) {
            parsed.error = name + " needs a value";
        } else {
            parsed.error = option->second(parsed.options, value ? *value : arguments[++i]);
        }
    }
    return parsed;
}

std::string BatchUsage() {
    return "Usage: kvvelm-batch [options]\n"
           "Runs KVVELM's start-up, sets the screen as the options say and confirms.\n"
           "Message boxes are printed: title line, text lines, empty line.\n"
           "\n"
           "  --report documenti|registro|percipienti|certificazioni   the document to make\n"
           "  --anno corrente|precedente     year of the fee notes (default precedente)\n"
           "  --mesi tutti|1,3,...           months (default tutti)\n"
           "  --ditte tutte|001,002,...      companies by code\n"
           "  --ordine codice|ragione        order of the company list (default codice)\n"
           "  --uscita pdf|stampa            PDF files or the printer (default pdf)\n"
           "  --data TEXT                    date of the certificates (default today)\n"
           "  --non-sovrascrivere            keep existing PDF files: a new file of the same name\n"
           "                                 gets a _001, _002 ... suffix (default: replace them)\n"
           "  --info                         print what start-up found and stop\n"
           "  --help                         print this text\n"
           "\n"
           "Environment: KVVELM_REGISTRY (registry file), KVVELM_DRIVES (drive folders),\n"
           "KVVELM_LOCK (single-instance lock), KVVELM_PRINTERS (printer names, ';' between).\n"
           "\n"
           "Exit status: 0 done; 1 the confirm stopped on a choice message; 2 configuration\n"
           "error, error reporter, fatal archive message, or a report this build does not have\n"
           "yet; 3 another instance is running; 4 the run ended but at least one file or print\n"
           "job failed; 64 bad command line or a company not listed.\n";
}

}  // namespace kv::cli
