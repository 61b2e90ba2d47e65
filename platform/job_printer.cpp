#include "platform/job_printer.hpp"

#include "platform/errors.hpp"

namespace kv::platform {

void PrinterFailure(const std::string& detail) {
    throw RuntimeError(err::kPrinterError, ErrorDescription(err::kPrinterError) + ": " + detail);
}

JobPrinter::JobPrinter(PageJobSource begin) : begin_(std::move(begin)) {}

JobPrinter::~JobPrinter() = default;

PageJob& JobPrinter::Job() {
    if (!job_) job_ = begin_();
    return *job_;
}

void JobPrinter::Print(const std::string& text) {
    PageJob& job = Job();
    while (pendingPages_ > 0) {
        job.NewPage();
        --pendingPages_;  // only once the page exists, so a retry does not lose or add one
    }
    const double lineHeight = job.DrawText(x_, y_, font_, text);
    x_ = 0;
    y_ += lineHeight;
}

void JobPrinter::NewPage() {
    if (job_) ++pendingPages_;
    x_ = 0;
    y_ = 0;
}

void JobPrinter::EndDoc() {
    pendingPages_ = 0;
    x_ = 0;
    y_ = 0;
    if (!job_) return;
    std::unique_ptr<PageJob> job = std::move(job_);
    job->End();
    ++jobsEnded_;
}

}  // namespace kv::platform
