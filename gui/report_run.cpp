#include "gui/report_run.hpp"

#include <optional>

#include "gui/progress_printer.hpp"

namespace kv::gui {

namespace {

// For the length of a report: every writer the output layer makes (one per company document) and
// every print job that ends counts as a company done. The output state is put back afterwards.
class DocumentWatch {
public:
    DocumentWatch(output::OutputState& output, const std::function<void()>& advanced)
        : output_(output), makeWriter_(output.makeWriter), printer_(output.printer) {
        output::PdfWriterFactory make = makeWriter_;
        output.makeWriter = [make, advanced] {
            auto writer = make();
            advanced();
            return writer;
        };
        if (printer_) {
            watchedPrinter_.emplace(*printer_, advanced);
            output.printer = &*watchedPrinter_;
        }
    }
    ~DocumentWatch() {
        output_.makeWriter = makeWriter_;
        output_.printer = printer_;
    }
    DocumentWatch(const DocumentWatch&) = delete;
    DocumentWatch& operator=(const DocumentWatch&) = delete;

private:
    output::OutputState& output_;
    output::PdfWriterFactory makeWriter_;
    platform::PrinterDevice* printer_;
    std::optional<ProgressPrinter> watchedPrinter_;
};

void Call(const std::function<void()>& hook) {
    if (hook) hook();
}

}  // namespace

app::ReportOutcome ReportRun::Run(Driver driver, const app::ReportRequest& request) {
    app::ReportRequest watched = request;
    watched.hideWaitPanel = [hide = request.hideWaitPanel, this] {
        if (hide) hide();
        Call(hooks_.hidden);
    };
    if (hooks_.shown) hooks_.shown(static_cast<int>(request.companies.size()));
    std::function<void()> advanced = [this] { Call(hooks_.advanced); };
    DocumentWatch watch(output_, advanced);
    return (reports_.*driver)(watched);
}

app::ReportOutcome ReportRun::Elenco_Documenti(const app::ReportRequest& request) {
    return Run(&app::ReportDrivers::Elenco_Documenti, request);
}

app::ReportOutcome ReportRun::Registro_Compensi_Terzi(const app::ReportRequest& request) {
    return Run(&app::ReportDrivers::Registro_Compensi_Terzi, request);
}

app::ReportOutcome ReportRun::Elenco_Percipienti_Stampa(const app::ReportRequest& request) {
    return Run(&app::ReportDrivers::Elenco_Percipienti_Stampa, request);
}

app::ReportOutcome ReportRun::Elenco_Certificazioni(const app::ReportRequest& request) {
    return Run(&app::ReportDrivers::Elenco_Certificazioni, request);
}

}  // namespace kv::gui
