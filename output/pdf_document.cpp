#include "output/pdf_document.hpp"

#include <cerrno>
#include <filesystem>

#include "archive/descriptors.hpp"
#include "archive/repository.hpp"
#include "output/pdf_naming.hpp"
#include "platform/standard_fonts.hpp"
#include "platform/text_trim.hpp"

namespace kv::output {

namespace {

namespace fs = std::filesystem;

constexpr int32_t kScaleCentimetres = 3;
constexpr int32_t kPaperA4 = 0;
constexpr int32_t kViewerPreferences = 768;
constexpr int32_t kCompressionMode = 4;
constexpr uint8_t kCompressionQuality = 3;
constexpr int32_t kProtectionMode = 20;
constexpr int32_t kPdfA2b = 2;
constexpr const char* kNotArchival = "PDF/A non possibile: ";

int ErrorNumberOf(const std::error_code& code) {
    switch (code.value()) {
        case ENOENT:
        case ENOTDIR: return platform::err::kPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case EBUSY: return platform::err::kPermissionDenied;
        case ENOSPC: return platform::err::kDiskFull;
        default: return platform::err::kPathFileAccess;
    }
}

struct Passwords {
    std::string owner;
    std::string user;
    bool Protecting() const { return !owner.empty() && !user.empty(); }
};

Passwords CompanyPasswords(const OutputState& state) {
    return {platform::Trim(archive::RepoR(state.archive, archive::F357), " "),
            platform::Trim(archive::RepoR(state.archive, archive::T364), " ")};
}

// PDF/A comes first: it must precede the file, and it turns the standard fonts into embedded files.
void ApplySettings(OutputState& state, PdfWriter& writer, const std::string& prefix, bool compress, bool archival) {
    if (archival) {
        writer.SetPDFA(kPdfA2b);
        for (const platform::StandardFontFile& font : platform::StandardFontFiles())
            writer.SetStandardFontFile(font.name, font.path);
    }
    writer.SetDocProperty("PDF" + prefix, "", kPdfAuthor, state.holderName, kPdfAuthor, "");
    writer.SetScale(kScaleCentimetres, 1.0f);
    writer.SetPaperSize(kPaperA4, 0, 0);
    writer.SetMargins(0, 0, 0, 0, true);
    writer.SetPageView(0);
    writer.SetViewerPreferences(kViewerPreferences);
    if (compress) writer.SetCompression(kCompressionMode, kCompressionQuality);
    const Passwords passwords = CompanyPasswords(state);
    if (passwords.Protecting()) writer.SetProtection(kProtectionMode, passwords.owner, passwords.user);
}

void NoteNotArchival(OutputState& state, const std::string& reason) {
    state.run.notArchival.push_back(NotArchival{state.document.company, kNotArchival + reason});
    state.document.archival = false;
}

// The writer set up for the document: PDF/A when asked for and possible, else a plain PDF whose
// reason the run's outcome keeps (a protected company's documents, a font or profile missing).
void SetUpWriter(OutputState& state, const std::string& prefix, bool compress) {
    state.document.archival = state.archivalPdf;
    if (state.archivalPdf && CompanyPasswords(state).Protecting()) NoteNotArchival(state, "documento protetto");
    ApplySettings(state, *state.writer, prefix, compress, state.document.archival);
    if (state.document.archival && state.writer->ErrNumber() != 0) {
        NoteNotArchival(state, state.writer->ErrDescription());
        state.writer = state.makeWriter();  // its recorded error would fail the file's opening
        ApplySettings(state, *state.writer, prefix, compress, false);
    }
}

// Folivo's description of an open failure starts with the file it tried: the reason is what follows.
std::string OpenFailureReason(const PdfWriter& writer) {
    const std::string description = writer.ErrDescription();
    const size_t dash = description.rfind(" - ");
    return dash == std::string::npos ? description : description.substr(dash + 3);
}

void OpenFile(OutputState& state, PdfWriter& writer) {
    writer.BeginDoc(platform::NarrowHostPath(state.document.hostTemporary));
    if (writer.ErrNumber() != 0) throw platform::RuntimeError(writer.ErrNumber(), OpenFailureReason(writer));
}

// Gives the complete file its final name; true when an older file of that name was replaced.
bool PublishFile(const PendingFile& file) {
    std::error_code failure;
    const bool replacing = fs::exists(file.hostFinal, failure);
    fs::rename(file.hostTemporary, file.hostFinal, failure);
    if (failure) throw platform::RuntimeError(ErrorNumberOf(failure), failure.message());
    return replacing;
}

PendingFile PendingFileFor(const OutputState& state, const std::string& path, bool nameOnly) {
    const fs::path hostFinal = state.services.files.Resolve(path);
    fs::path hostTemporary = hostFinal;
    hostTemporary += kPartialSuffix;
    return PendingFile{path, hostTemporary, hostFinal, state.CARTELLAPDF, CurrentCompany(state, nameOnly)};
}

}  // namespace

DocumentError::DocumentError(const std::string& path, const platform::RuntimeError& cause)
    : platform::RuntimeError(cause.number(), "Impossibile creare il file PDF " + path + ": " + cause.description()),
      path_(path) {}

std::string FailedFile(const platform::RuntimeError& error) {
    const auto* document = dynamic_cast<const DocumentError*>(&error);
    return document != nullptr ? document->path() : std::string();
}

void DiscardDocument(OutputState& state) {
    if (state.writer) state.writer->Abort();
    std::error_code ignored;  // a partial file that cannot be deleted is left to the user
    if (!state.document.hostTemporary.empty() && fs::is_regular_file(state.document.hostTemporary, ignored))
        fs::remove(state.document.hostTemporary, ignored);
    state.writer.reset();
    state.document = PendingFile{};
    state.PDFAPERTO = false;
}

void CREAPDF(OutputState& state, const std::string& Prefix, const PdfDocumentOptions& options) {
    DiscardDocument(state);  // a document never closed is not finished
    state.PDFCREATO = 1;
    const std::string path = DocumentPath(state, Prefix, options.nameOnly, options.numbered || state.keepExistingFiles);
    state.writer = state.makeWriter();
    state.document = PendingFileFor(state, path, options.nameOnly);
    WithDocument(state, [&] {
        SetUpWriter(state, Prefix, options.compress);
        PdfWriter& writer = *state.writer;
        OpenFile(state, writer);
        state.PDFAPERTO = true;
        writer.BeginPage();
    });
}

void CHIUDIPDF(OutputState& state) {
    if (state.writer && !state.document.path.empty()) {
        WithDocument(state, [&] {
            state.writer->EndDoc();
            // A code without a glyph in its font file leaves the document a plain PDF.
            if (state.document.archival && state.writer->ErrNumber() != 0)
                NoteNotArchival(state, state.writer->ErrDescription());
            const bool replaced = PublishFile(state.document);
            const PendingFile& file = state.document;
            state.run.written.push_back(WrittenFile{file.company, file.path, file.folder, replaced, Now(state),
                                                       file.hostFinal, file.archival});
        });
    }
    state.writer.reset();
    state.document = PendingFile{};
    state.PDFAPERTO = false;
}

}  // namespace kv::output
