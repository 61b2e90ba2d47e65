#include "tests/reports/report_fixture.hpp"

#include "output/folivo_writer.hpp"
#include "tools/demo/base_layout.hpp"
#include "tools/demo/fee_note_writer.hpp"

namespace kv::reports {

demo::DemoPayee Payee(int code, const std::string& status) {
    const auto& all = demo::DemoPayees();
    demo::DemoPayee payee = all[static_cast<size_t>(code - 1) % all.size()];
    payee.code = code;
    payee.status = status;
    return payee;
}

demo::DemoFeeNote Note(int company, int payee, int document, const std::string& month, int64_t fee,
                       int64_t withholding, int64_t vat) {
    demo::DemoFeeNote note;
    note.company = company;
    note.payee = payee;
    note.document = document;
    note.month = month;
    note.documentDate = month.empty() ? "01012024" : "10" + month;
    note.paymentDate = month.empty() ? "" : "15" + month;
    note.fee = fee;
    note.withholding = withholding;
    note.vat = vat;
    note.taxCode = "1040";
    note.reference = "BONIFICO";
    return note;
}

void ReportTest::WritePayees(const std::vector<demo::DemoPayee>& payees) {
    std::vector<std::string> records(payees.empty() ? 0 : static_cast<size_t>(payees.back().code),
                                     std::string());
    const auto length = static_cast<size_t>(demo::DemoRecordLength(demo::kPayeeFile));
    for (auto& record : records) record = std::string(length, ' ');
    for (const auto& payee : payees) records[static_cast<size_t>(payee.code - 1)] = demo::PayeeRecord(payee, length);
    writer_->WriteRecords(demo::kPayeeFile, records);
}

void ReportTest::WriteNotes(const std::vector<demo::DemoFeeNote>& notes) {
    demo::WriteFeeNotes(*writer_, demo::kPreviousNotes, demo::kPreviousIndex, notes);
}

app::Program& ReportTest::Start() {
    StartProgram();
    program_->output.makeWriter = test::RecordingWriter::Factory(log_);
    program_->output.MODOPDF = true;
    program_->output.decimalSeparator = ',';
    return *program_;
}

void ReportTest::UsePrinter() {
    program_->output.MODOPDF = false;
    program_->output.printer = &printer_;
}

void ReportTest::UseFolivo() {
    program_->output.makeWriter = output::FolivoWriterFactory();
    program_->output.MODOPDF = true;
}

ReportRequest ReportTest::Request(const std::vector<std::string>& codes, const std::vector<int>& months) {
    ReportRequest request;
    for (size_t i = 0; i < codes.size(); ++i) request.companies.push_back({static_cast<int>(i), codes[i], codes[i]});
    request.allMonths = months.empty();
    for (int month : months) request.months[static_cast<size_t>(month - 1)] = true;
    request.currentYear = false;
    request.yearText = "2024";
    request.certificateDate = "31/01/2025";
    request.screenCaption = "KVVELM";
    return request;
}

ReportContext ReportTest::Context() {
    return ReportContext{program_->archive, program_->output, program_->start.currentPeriod};
}

std::filesystem::path ReportTest::WrittenPdf(Report report, const ReportRequest& request, const std::string& name) {
    UseFolivo();
    report(Context(), request);
    const std::filesystem::path pdf = std::filesystem::path(program_->output.BASEPDF) / "FILE-PDF" / name;
    EXPECT_QPDF_CLEAN(pdf);
    return pdf;
}

}  // namespace kv::reports
