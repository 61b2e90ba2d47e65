#pragma once
// The command line of kvvelm-batch: each option stands for a click on the screen.

#include <optional>
#include <string>
#include <vector>

namespace kv::cli {

struct BatchOptions {
    std::optional<std::string> report;   // documenti | registro | percipienti | certificazioni
    std::string year = "precedente";     // corrente | precedente
    std::vector<int> months;             // empty: all twelve ("tutti")
    std::vector<std::string> companies;  // three-digit codes; empty: every company ("tutte")
    bool allCompanies = false;
    std::string order = "codice";        // codice | ragione
    std::string output = "pdf";          // pdf | stampa
    std::optional<std::string> date;     // certificates' date
    bool help = false;
    bool info = false;                   // print what start-up found and stop
    bool keepExisting = false;           // --non-sovrascrivere: number new files, replace none
    bool archival = false;               // --pdfa: PDF/A-2b files
};

struct ParsedOptions {
    BatchOptions options;
    std::string error;  // empty when the command line is valid
};

ParsedOptions ParseBatchOptions(const std::vector<std::string>& arguments);

// The text --help prints.
std::string BatchUsage();

}  // namespace kv::cli
