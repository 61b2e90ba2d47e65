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
        if (month < 1 || month > 12) return "--mesi: \"" + part + "\": atteso un mese da 1 a 12";
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
            return "--ditte: \"" + part + "\": atteso un codice ditta di al massimo tre cifre";
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
        if (std::find(allowed.begin(), allowed.end(), value) == allowed.end()) return name + ": atteso " + choices + ", non \"" + value + "\"";
        o.*field = value;
        return "";
    };
}

const std::map<std::string, Setter>& ValueOptions() {
    static const std::map<std::string, Setter> options = {
        {"--report",
         [](BatchOptions& o, const std::string& value) -> std::string {
             if (!OneOf(value, {"documenti", "registro", "percipienti", "certificazioni"})) {
                 return "--report: atteso documenti, registro, percipienti o certificazioni, "
                        "non \"" + value + "\"";
             }
             o.report = value;
             return "";
         }},
        {"--anno", Choice(&BatchOptions::year, {"corrente", "precedente"}, "--anno",
                          "corrente o precedente")},
        {"--ordine", Choice(&BatchOptions::order, {"codice", "ragione"}, "--ordine",
                            "codice o ragione")},
        {"--uscita", Choice(&BatchOptions::output, {"pdf", "stampa"}, "--uscita", "pdf o stampa")},
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
        if (name == "--pdfa" && !value) {
            parsed.options.archival = true;
            continue;
        }
        auto option = ValueOptions().find(name);
        if (option == ValueOptions().end()) {
            parsed.error = "opzione sconosciuta \"" + name + "\"";
        } else if (!value && i + 1 >= arguments.size()) {
            parsed.error = name + " richiede un valore";
        } else {
            parsed.error = option->second(parsed.options, value ? *value : arguments[++i]);
        }
    }
    return parsed;
}

std::string BatchUsage() {
    return "Uso: kvvelm-batch [opzioni]\n"
           "Esegue l'avvio di KVVELM, imposta la maschera di selezione come dicono le opzioni\n"
           "e preme Conferma. I messaggi vengono scritti: riga del titolo, righe del testo,\n"
           "riga vuota.\n"
           "\n"
           "  --report documenti|registro|percipienti|certificazioni   il documento da creare\n"
           "  --anno corrente|precedente     anno delle parcelle (predefinito: precedente)\n"
           "  --mesi tutti|1,3,...           mesi (predefinito: tutti)\n"
           "  --ditte tutte|001,002,...      ditte, per codice\n"
           "  --ordine codice|ragione        ordine dell'elenco ditte (predefinito: codice)\n"
           "  --uscita pdf|stampa            file PDF o stampante (predefinito: pdf)\n"
           "  --data TESTO                   data delle certificazioni (predefinita: oggi)\n"
           "  --non-sovrascrivere            non sostituisce i PDF esistenti: un nuovo file con lo\n"
           "                                 stesso nome prende un suffisso _001, _002 ...\n"
           "  --pdfa                         PDF/A-2b per la conservazione (font incorporati,\n"
           "                                 profilo sRGB); una ditta con i PDF protetti da\n"
           "                                 password ha il suo file protetto, non PDF/A\n"
           "  --info                         mostra cosa ha trovato l'avvio e termina\n"
           "  --help                         mostra questo testo\n"
           "\n"
           "Ambiente: KVVELM_REGISTRY (file del registro), KVVELM_DRIVES (una cartella per\n"
           "lettera di disco), KVVELM_LOCK (blocco dell'istanza unica), KVVELM_PRINTERS (nomi\n"
           "delle stampanti, separati da ';').\n"
           "\n"
           "Stato di uscita: 0 fatto; 1 la conferma si ferma su un messaggio di scelta;\n"
           "2 errore di configurazione, errore segnalato, messaggio fatale degli archivi,\n"
           "o documento non ancora disponibile in questa versione; 3 un'altra istanza in\n"
           "esecuzione; 4 l'esecuzione \xE8 finita ma almeno un file o una stampa non \xE8\n"
           "riuscito; 64 riga di comando errata o ditta non in elenco.\n";
}

}  // namespace kv::cli
