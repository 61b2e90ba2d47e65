#include "app/error_reporter.hpp"

#include "archive/file_table.hpp"

namespace kv::app {

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using platform::MessageBox;

constexpr const char* kSuiteTitle = "Lumeo";

MessageBox Question(std::string text, Icon icon, Answer safeAnswer) {
    MessageBox box;
    box.title = kSuiteTitle;
    box.text = std::move(text);
    box.icon = icon;
    box.buttons = Buttons::YesNo;
    box.safeAnswer = safeAnswer;
    return box;
}

}  // namespace

platform::ErrorAction DialogErrorReporter::SEGNALAERRORE(const platform::RuntimeError& error,
                                                         const platform::CallTrail& trail) {
    if (error.number() == platform::err::kPrinterError) return PrinterError();
    platform::ShowMessage(services_, platform::OkBox(std::string(kSuiteTitle) + " " + services_.projectName,
                                                     platform::ErrorReportText(error, trail), Icon::Stop));
    platform::ShowMessage(services_, platform::OkBox(kSuiteTitle,
                                                     "CHIUDERE TUTTE LE APPLICAZIONI DELLA TASK\r\n"
                                                     "LANCIARE RIPRISTINO TASK",
                                                     Icon::Information));
    CloseAndEnd("Errore " + std::to_string(error.number()) + " " + error.description());
}

// Retrying an unattended printer could go on for ever, so the safe answers are "do not retry"
// and then "close".
platform::ErrorAction DialogErrorReporter::PrinterError() {
    if (output_.printJobLost) return platform::ErrorAction::Skip;
    auto retry = platform::ShowMessage(
        services_, Question("ERR.STAMPANTE - SI VUOLE RITENTARE ?", Icon::Stop, Answer::No));
    if (retry == Answer::Yes) return platform::ErrorAction::Retry;
    auto close = platform::ShowMessage(
        services_, Question("CHIUDERE IL PROGRAMMA ? (se si risp.NO il progr.perde la riga e prosegue)",
                            Icon::Exclamation, Answer::Yes));
    if (close == Answer::No) {
        output_.printJobLost = true;
        return platform::ErrorAction::Skip;
    }
    CloseAndEnd("printer error");
}

void DialogErrorReporter::CloseAndEnd(const std::string& reason) {
    try {
        archive::CHIUDI(archive_, 0);
    } catch (...) {
        // The program ends either way; main closes what is still open.
    }
    throw platform::ProgramEnd(platform::exit_status::kFatal, reason);
}

}  // namespace kv::app
