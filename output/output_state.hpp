#pragma once
// The output layer's program-wide state: the target (PDF or printer), the document flags the report
// drivers read, the writer of the document being made and the PDF folders. Program owns one and
// passes it to the reports; tests make a fresh one each.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "archive/archive_state.hpp"
#include "output/pdf_writer.hpp"
#include "platform/printer_device.hpp"
#include "platform/services.hpp"

namespace kv::output {

// The file a document is being written to: the final path (as the user reads it, in the base
// folder's style) and the temporary host file that becomes it when the document is complete.
struct PendingFile {
    std::string path;
    std::filesystem::path hostTemporary;
    std::filesystem::path hostFinal;
};

struct OutputState {
    OutputState(platform::Services& s, archive::ArchiveState& a, PdfWriterFactory factory)
        : services(s), archive(a), makeWriter(std::move(factory)) {}

    platform::Services& services;  // file port and dialogs
    archive::ArchiveState& archive;  // archive folder, DITX and FISX buffers
    PdfWriterFactory makeWriter;
    platform::PrinterDevice* printer = nullptr;  // the printer of all printed output, from the front end

    std::string holderName;          // installation holder read at start-up: each PDF's Creator
    char decimalSeparator = ',';  // of the numeric test and the amounts: the user's, set by Program

    bool MODOPDF = false;            // true: PDF documents; false: the printer
    bool PDFAPERTO = false;          // a document is open (first page begun)
    int16_t PDFCREATO = 0;           // 1 once any document was started; never cleared
    bool PAGINANUOVA = false;        // the next page heading opens a new document

    std::unique_ptr<PdfWriter> writer;  // the writer of the current document
    PendingFile document;               // where the current document goes

    std::string BASEPDF;      // the archives folder without its last component
    std::string CARTELLAPDF;  // the folder of the document being made
};

// The writer, made by the factory the first time an operation needs one.
PdfWriter& Writer(OutputState& state);

// The printer; RuntimeError 482 when the front end installed none.
platform::PrinterDevice& Printer(OutputState& state);

}  // namespace kv::output
