#pragma once
// A small installation of the test's own payees and fee notes (previous year 2024, so the year
// chosen is the screen's first one), a started program over it, and the recording writer and
// printer of the output tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/program.hpp"
#include "output/folivo_writer.hpp"
#include "reports/report_form.hpp"
#include "tests/support/demo_installation.hpp"
#include "tests/support_output/recording_printer.hpp"
#include "tests/support_output/recording_writer.hpp"
#include "tools/demo/base_layout.hpp"
#include "tools/demo/demo_fee_notes.hpp"
#include "tools/demo/demo_payees.hpp"
#include "tools/demo/fee_note_writer.hpp"

namespace kv::reports {

// A payee of the demo's list with another code (record number = code).
inline demo::DemoPayee Payee(int code, const std::string& status = "00") {
    const auto& all = demo::DemoPayees();
    demo::DemoPayee payee = all[static_cast<size_t>(code - 1) % all.size()];
    payee.code = code;
    payee.status = status;
    return payee;
}

// A self-employment note of 2024: fee, withholding and VAT in cents; month MMYYYY (N016), the
// payment date DDMMYYYY (N021) in the same month unless given.
inline demo::DemoFeeNote Note(int company, int payee, int document, const std::string& month, int64_t fee = 100000,
                              int64_t withholding = 20000, int64_t vat = 22000) {
    return demo::DemoFeeNote{.company = company, .payee = payee, .document = document, .month = month,
                             .documentDate = month.empty() ? "01012024" : "10" + month,
                             .paymentDate = month.empty() ? "" : "15" + month, .fee = fee,
                             .withholding = withholding, .vat = vat, .taxCode = "1040", .reference = "BONIFICO"};
}

class ReportTest : public test::DemoInstallationTest {
protected:
    // Replace the payee archive and the previous year's notes (67, index 68).
    void WritePayees(const std::vector<demo::DemoPayee>& payees) {
        const auto length = static_cast<size_t>(demo::DemoRecordLength(demo::kPayeeFile));
        std::vector<std::string> records(payees.empty() ? 0 : static_cast<size_t>(payees.back().code),
                                         std::string(length, ' '));
        for (const auto& payee : payees) records[static_cast<size_t>(payee.code - 1)] = demo::PayeeRecord(payee, length);
        writer_->WriteRecords(demo::kPayeeFile, records);
    }
    void WriteNotes(const std::vector<demo::DemoFeeNote>& notes) {
        demo::WriteFeeNotes(*writer_, demo::kPreviousNotes, demo::kPreviousIndex, notes);
    }

    // Closes the installation and starts the program over it (PDF target, recording writer).
    app::Program& Start() {
        StartProgram();
        program_->output.makeWriter = test::RecordingWriter::Factory(log_);
        program_->output.MODOPDF = true;
        program_->output.decimalSeparator = ',';
        return *program_;
    }

    // Printer target on the recording printer.
    void UsePrinter() {
        program_->output.MODOPDF = false;
        program_->output.printer = &printer_;
    }

    // A request for the companies given (codes), year 2024, all months unless months are given.
    ReportRequest Request(const std::vector<std::string>& codes, const std::vector<int>& months = {}) {
        ReportRequest request;
        for (size_t i = 0; i < codes.size(); ++i) request.companies.push_back({static_cast<int>(i), codes[i], codes[i]});
        request.allMonths = months.empty();
        for (int month : months) request.months[static_cast<size_t>(month - 1)] = true;
        request.yearText = "2024";
        request.certificateDate = "31/01/2025";
        request.screenCaption = "KVVELM";
        return request;
    }

    ReportContext Context() { return ReportContext{program_->archive, program_->output, program_->start.currentPeriod}; }

    using Report = ReportOutcome (*)(const ReportContext&, const ReportRequest&);
    // Runs `report` on the real writer; its file `name` under FILE-PDF, once qpdf passes it.
    std::filesystem::path WrittenPdf(Report report, const ReportRequest& request, const std::string& name) {
        program_->output.makeWriter = output::FolivoWriterFactory();
        report(Context(), request);
        const std::filesystem::path pdf = std::filesystem::path(program_->output.BASEPDF) / "FILE-PDF" / name;
        EXPECT_QPDF_CLEAN(pdf);
        return pdf;
    }

    const std::vector<platform::MessageBox>& Messages() const { return dialogs_.shown(); }

    std::shared_ptr<test::WriterLog> log_ = std::make_shared<test::WriterLog>();
    test::RecordingPrinter printer_;
};

}  // namespace kv::reports
