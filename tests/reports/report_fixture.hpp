#pragma once
// A small installation of the test's own payees and fee notes (previous year 2024, so the year
// chosen is the screen's first one), a started program over it, and the recording writer and
// printer of the output tests.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/program.hpp"
#include "reports/report_form.hpp"
#include "tests/support/demo_installation.hpp"
#include "tests/support_output/recording_printer.hpp"
#include "tests/support_output/recording_writer.hpp"
#include "tools/demo/demo_fee_notes.hpp"
#include "tools/demo/demo_payees.hpp"

namespace kv::reports {

// A payee of the demo's list with another code (record number = code).
demo::DemoPayee Payee(int code, const std::string& status = "00");

// A self-employment note of 2024: fee, withholding and VAT in cents; month MMYYYY (N016), the
// payment date DDMMYYYY (N021) in the same month unless given.
demo::DemoFeeNote Note(int company, int payee, int document, const std::string& month, int64_t fee = 100000,
                       int64_t withholding = 20000, int64_t vat = 22000);

class ReportTest : public test::DemoInstallationTest {
protected:

    // Replace the payee archive and the previous year's notes (67, index 68).
    void WritePayees(const std::vector<demo::DemoPayee>& payees);
    void WriteNotes(const std::vector<demo::DemoFeeNote>& notes);

    // Closes the installation and starts the program over it (PDF target, recording writer).
    app::Program& Start();

    // Printer target on the recording printer.
    void UsePrinter();
    // PDF target on the real writer, with a fixed clock.
    void UseFolivo();

    // A request for the companies given (codes), year 2024, all months unless months are given.
    ReportRequest Request(const std::vector<std::string>& codes, const std::vector<int>& months = {});

    ReportContext Context();

    using Report = ReportOutcome (*)(const ReportContext&, const ReportRequest&);
    // Runs `report` on the real writer; its file `name` under FILE-PDF, once qpdf passes it.
    std::filesystem::path WrittenPdf(Report report, const ReportRequest& request, const std::string& name);

    const std::vector<platform::MessageBox>& Messages() const { return dialogs_.shown(); }

    std::shared_ptr<test::WriterLog> log_ = std::make_shared<test::WriterLog>();
    test::RecordingPrinter printer_;
};

}  // namespace kv::reports
