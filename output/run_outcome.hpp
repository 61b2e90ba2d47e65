#pragma once
// What one report run did, as the office needs to hear it afterwards: the PDF files written (with
// their folders and whether an older file was replaced), the files and print jobs that failed and
// why, the fee notes left out for lack of data, and the companies whose print job was lost. The
// output layer and the reports fill it while the run goes on; the front ends read it for the summary,
// the exit status and the run log. Texts are Windows-1252, like every text inside the program.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/clock.hpp"

namespace kv::output {

// A company as the summary names it: its code and trimmed name ("001 ROSSI SRL"), and the part of
// its output meant when it is not the whole ("001 ROSSI SRL - certificazione 00012 BIANCHI").
struct CompanyLabel {
    std::string code;  // three digits; empty for a document that is not a company's (list of payees)
    std::string name;  // for a document that is not a company's, the document's name
    std::string document{};
};

struct WrittenFile {
    CompanyLabel company;
    std::string path;       // as the user reads it, in the base folder's style
    std::string folder;     // the folder that holds it
    bool replaced = false;  // an older file of the same name was replaced
    platform::LocalDateTime at;
    std::filesystem::path host{};  // the file as the system names it, for the viewer
    bool archival = false;         // PDF/A-2b
};

// A PDF file or a print job that did not come out.
struct FailedOutput {
    CompanyLabel company;
    std::string path;    // the file; empty for a print job
    int number = 0;      // the platform's error number
    std::string reason;  // the description, naming the file and the system's reason
    platform::LocalDateTime at;
};

// A fee note the collection left out because it lacks the dates the reports need (N016/N021).
struct SkippedNote {
    CompanyLabel company;
    std::string payee;     // code and name
    std::string document;  // document number
};

// A document asked for in PDF/A and written as a plain PDF.
struct NotArchival {
    CompanyLabel company;
    std::string reason;  // "PDF/A non possibile: documento protetto"
};

struct RunOutcome {
    bool pdf = true;             // the run's target: PDF files, else the printer
    bool switchedToPdf = false;  // the printer could not be used and the user chose "Crea PDF"
    bool cancelled = false;      // the user stopped the run before its end
    int companiesDone = 0;       // of a cancelled run: the companies finished, of
    int companies = 0;           // the companies chosen
    std::vector<WrittenFile> written;
    std::vector<FailedOutput> failed;
    std::vector<SkippedNote> skippedNotes;
    std::vector<NotArchival> notArchival;
    std::vector<CompanyLabel> notPrinted;  // print jobs lost (printer unusable or failing)
    platform::LocalDateTime started;
    platform::LocalDateTime ended;
    std::string logProblem;  // why the run log could not be written; said once per program

    // Every file and print job asked for came out: nothing failed and the run was not cancelled.
    bool Complete() const { return !cancelled && failed.empty() && notPrinted.empty(); }

    // The folders of the written files, each once, in the order they were first written.
    std::vector<std::string> Folders() const;

    // What the window may open with the system's viewer: the folder that holds every written file
    // (their nearest common folder), and the file itself when the run wrote just one. Empty when
    // no file was written.
    std::filesystem::path HostFolder() const;
    std::filesystem::path HostFile() const;

    // How many written files replaced an older file.
    int ReplacedCount() const;
};

// "001 ROSSI SRL", or the name alone when there is no code; then " - " and the part, if any.
std::string LabelText(const CompanyLabel& company);

}  // namespace kv::output
