#pragma once
// The life of one PDF document: CREAPDF opens it with the program's fixed settings, CHIUDIPDF finishes
// it. The writer writes to "<name>.part" in the document's folder; only a complete document is renamed
// to its final name (replacing an older file of that name). A document that fails on the way is
// discarded: the writer is aborted, the partial file deleted, and the error thrown on as a
// RuntimeError naming the file and the system's reason.

#include <string>

#include "output/output_state.hpp"
#include "platform/errors.hpp"

namespace kv::output {

// Options of CREAPDF beyond the prefix.
struct PdfDocumentOptions {
    bool compress = true;   // the reports always compress
    bool nameOnly = false;  // the name is the prefix alone (the list of payees)
    bool numbered = false;  // keep an existing file: add a free "_nnn" suffix instead
};

inline constexpr const char* kPdfAuthor = "Orvanta Duruver";
inline constexpr const char* kPartialSuffix = ".part";

// Creates the document of the company in DITX and opens its first page (CREACARTELLEPDF has set
// CARTELLAPDF). The settings, in order: properties, centimetres, A4 portrait, no margins, page view 0,
// viewer preferences 768, compression (4, 3), protection when both passwords are set, the file, page 1.
void CREAPDF(OutputState& state, const std::string& Prefix, const PdfDocumentOptions& options = {});

// Finishes the open document and gives it its final name; releases the writer; PDFAPERTO = false.
void CHIUDIPDF(OutputState& state);

// Aborts the open document, if any, and deletes its partial file.
void DiscardDocument(OutputState& state);

// The error of a failed document: number kept, the description names the file.
class DocumentError : public platform::RuntimeError {
public:
    DocumentError(const std::string& path, const platform::RuntimeError& cause);
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The file a failure is about: the document's path for a DocumentError, else empty.
std::string FailedFile(const platform::RuntimeError& error);

// Runs a step of the open document; on failure discards the document and throws DocumentError.
template <class Body>
void WithDocument(OutputState& state, Body&& body) {
    try {
        body();
    } catch (const platform::RuntimeError& error) {
        if (state.document.path.empty()) throw;
        const std::string path = state.document.path;
        DiscardDocument(state);
        throw DocumentError(path, error);
    }
}

}  // namespace kv::output
