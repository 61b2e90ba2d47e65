// Folivo: document life cycle, object store and file writing.

#include "pdf/folivo_impl.hpp"
#include "pdf/text/text_string.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "pdf/core/dates.hpp"
#include "pdf/core/number_format.hpp"
#include "pdf/core/string_format.hpp"
#include "pdf/core/xmp.hpp"

namespace folivo {

namespace {

constexpr const char* kOpenFileTitle = "Creazione PDF";
// Windows-1252 text, like every text inside the writer.
constexpr const char* kOpenFileText =
    "Attenzione!\r\r"
    "Il file PDF risulta essere gi\xE0 aperto.\r\r"
    "Per proseguire chiudere il file pdf aperto e successivamente premere sul pulsante 'OK' di questo messaggio\r\r";

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// "~" + hexadecimal of (day, hours, minutes, seconds, random digit) + ".pdf".
std::string DefaultFileName(const LocalTime& t, double random) {
    const int digit = std::clamp(static_cast<int>(random * 10), 0, 9);
    const std::string digits = std::to_string(t.day) + TwoDigits(t.hour) + TwoDigits(t.minute) +
                               TwoDigits(t.second) + std::to_string(digit);
    char hex[24];
    std::snprintf(hex, sizeof hex, "%llX", std::stoull(digits));
    return std::string("~") + hex + ".pdf";
}

// An existing file of that name is deleted first; a folder of that name is left for the open to
// report.
void DeleteExisting(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) || std::filesystem::is_directory(path, ec)) return;
    if (!std::filesystem::remove(path, ec) && ec == std::errc::permission_denied) {
        throw Error(kErrPermissionDenied, "Permission denied");
    }
}

}  // namespace

// ---- life cycle ----

FolivoImpl::FolivoImpl(Folivo& api, Host& host) : api_(api), host_(host) {}

FolivoImpl::~FolivoImpl() = default;

void FolivoImpl::TakeCreationDate() {
    const LocalTime now = host_.Now();
    doc_.info.creationDate = PdfDate(now);
    doc_.info.xmpCreationDate = XmpDate(now);
}

// The state is replaced whole; then the creation date and the default scale and paper.
void FolivoImpl::ResetState() {
    doc_ = DocumentState{};
    TakeCreationDate();
    api_.SetScale(0);
    api_.SetPaperSize(0);
}

void Folivo::Abort() {
    try {
        impl_->sink_.Close();  // the partial file stays on disk
    } catch (const Error&) {
        // Nothing more can be done for an unfinished file that cannot be flushed.
    }
    impl_->ResetState();
}

void FolivoImpl::OpenOutput(const std::string& fileName) {
    for (;;) {
        try {
            DeleteExisting(fileName);
            sink_.Open(fileName);
            return;
        } catch (const Error& error) {
            // The file is probably open in a viewer: ask the user to close it and try again.
            const bool retry = error.number() == kErrPermissionDenied &&
                               host_.ShowRetryMessage(kOpenFileTitle, kOpenFileText);
            if (!retry) throw;
        }
    }
}

std::string Folivo::BeginDoc(const std::string& FileName) {
    impl_->sink_.Close();
    impl_->doc_.fileName = FileName.empty() ? DefaultFileName(impl_->host_.Now(), impl_->host_.Random()) : FileName;
    try {
        impl_->OpenOutput(impl_->doc_.fileName);
        impl_->WriteLine("%PDF-1.3\n" + impl_->HeaderComment() + "% " + kFolivoBanner + " rel. " + kFolivoVersion);
    } catch (const Error& error) {
        impl_->SetError("BeginDoc", error, impl_->doc_.fileName);
        return impl_->doc_.fileName;
    }
    // Objects 1 to 3 (page tree, page resources, pattern-cell resources) are written by EndDoc.
    impl_->doc_.objects.ReserveThrough(3);
    return impl_->doc_.fileName;
}

void Folivo::EndDoc() {
    if (impl_->doc_.pages.Count() == 0) BeginPage();
    if (impl_->doc_.content.pageOpen) EndPage();
    impl_->PutPendingFonts();  // fonts selected before the file was open
    impl_->PutSubsetFonts();
    impl_->PutPendingImages();
    impl_->WriteEncryptionObject();
    impl_->WriteOutputProfile();
    const int32_t metadataObj = impl_->WriteMetadataObject();
    impl_->WriteLayerObjects();
    impl_->WriteResourceObjects();
    impl_->WritePageTree();
    impl_->WriteNavigationObjects();
    const int32_t catalogObj = impl_->WriteCatalog(metadataObj);
    const int32_t infoObj = impl_->WriteInfoObject();
    impl_->WriteXrefAndTrailer(infoObj, catalogObj);
    impl_->PatchVersion();
    impl_->doc_.fileSize = static_cast<int32_t>(impl_->sink_.Close());
    impl_->doc_.sources.Clear();  // imported files are read again by the next document
}

void Folivo::OpenDoc() { impl_->host_.ShellOpen(impl_->doc_.fileName); }

int32_t Folivo::ErrNumber() const { return impl_->doc_.errNumber; }

const std::string& Folivo::ErrSource() const { return impl_->doc_.errSource; }

const std::string& Folivo::ErrDescription() const { return impl_->doc_.errDescription; }

std::string Folivo::Version() const { return kFolivoVersion; }

int32_t Folivo::FileSize() const {
    return impl_->sink_.IsOpen() ? static_cast<int32_t>(impl_->sink_.Position()) : impl_->doc_.fileSize;
}

void Folivo::SetMemoryUsage(int16_t Value) {
    if (Value >= 0 && Value < 11) impl_->doc_.objects.SetMemoryUsage(static_cast<uint8_t>(Value));
}

void FolivoImpl::SetError(const std::string& procedure, const Error& error, const std::string& extra) {
    doc_.errNumber = error.number();
    doc_.errSource = "Folivo." + procedure;
    doc_.errDescription = extra.empty() ? error.what() : extra + " - " + error.what();
}

// ---- file writing ----

void FolivoImpl::WriteLine(std::string_view text) {
    sink_.Write(text);
    sink_.Write("\n");
}

int32_t FolivoImpl::StartObject(int32_t& ObjNum) {
    sink_.RequireOpen();
    ObjNum = doc_.objects.Start(ObjNum, sink_.Position());
    WriteLine(std::to_string(ObjNum) + " 0 obj");
    return ObjNum;
}

int32_t FolivoImpl::StartObject() {
    int32_t objNum = 0;
    return StartObject(objNum);
}

void FolivoImpl::CloseObject() { WriteLine("endobj"); }

void FolivoImpl::AddContent(std::string_view text) { doc_.content.AddLine(text); }

void FolivoImpl::RequireVersion(int32_t n) { doc_.versionLevel = std::max(doc_.versionLevel, n); }

std::string FolivoImpl::FormatNum(float value) const { return folivo::FormatNum(value); }

std::string FolivoImpl::FormatPt(float value) const { return folivo::FormatNum(value * doc_.page.scale); }

std::string FolivoImpl::EscapeString(std::string_view Text) const { return folivo::EscapeString(Text); }

std::string FolivoImpl::QuoteString(std::string_view Text) {
    std::string quoted = "(";
    quoted += EscapeString(EncryptString(std::string(Text)));
    quoted += ')';
    return quoted;
}

void FolivoImpl::PutStream(std::string Data, int32_t ObjNum, std::string Filters, int32_t Length1,
                           const std::string& DecodeParms) {
    const auto preset = std::count(Filters.begin(), Filters.end(), '/');
    EncodeStream(Data, ObjNum, Filters);  // encoders (SetCompression), then encryption (SetProtection)
    if (!DecodeParms.empty()) {
        // Each filter added in front of the preset ones takes no parameters.
        std::string nulls;
        for (auto added = std::count(Filters.begin(), Filters.end(), '/') - preset; added > 0; --added) {
            nulls += "null ";
        }
        WriteLine("/DecodeParms [" + nulls + DecodeParms + "]");
    }
    if (!Filters.empty()) WriteLine("/Filter [" + Filters + "]");
    if (Length1 > 0) WriteLine("/Length1 " + std::to_string(Length1));
    WriteLine("/Length " + std::to_string(Data.size()) + " >>\rstream");
    sink_.Write(Data);  // straight to the file, not through a joined copy
    WriteLine("\nendstream");
}

std::string FolivoImpl::BuildXMP() const { return BuildXmpPacket(doc_.info, doc_.info.xmpCreationDate); }

// ---- EndDoc's steps ----

int32_t FolivoImpl::WriteMetadataObject() {
    if (doc_.archival.On()) return WriteArchivalMetadata();
    const int32_t objNum = StartObject();
    WriteLine("<< /Type /Metadata /Subtype /XML");
    PutStream(BuildXMP(), objNum);
    CloseObject();
    return objNum;
}

void FolivoImpl::WriteResourceObjects() {
    for (int32_t objNum : {3, 2}) {
        StartObject(objNum);
        WriteLine(ResourceDictionary(doc_.resources, objNum == 2));
        CloseObject();
    }
}

void FolivoImpl::WritePageTree() {
    int32_t objNum = 1;
    StartObject(objNum);
    WriteLine("<<\r/Type /Pages /Count " + std::to_string(doc_.pages.Count()) + "\r/Kids [" + doc_.pages.Kids() +
              "] \r>>");
    CloseObject();
}

int32_t FolivoImpl::WriteCatalog(int32_t metadataObj) {
    const int32_t objNum = StartObject();
    WriteLine("<< /Type /Catalog\r/Pages 1 0 R\r/Metadata " + std::to_string(metadataObj) + " 0 R" +
              ArchivalCatalogLines());
    WriteViewerPreferenceLines();
    WriteNavigationCatalogLines();
    WriteLine(">>");
    CloseObject();
    return objNum;
}

int32_t FolivoImpl::WriteInfoObject() {
    const int32_t objNum = StartObject();
    const std::pair<const char*, const std::string*> entries[] = {
        {"/Title ", &doc_.info.title},        {"/Author ", &doc_.info.author},
        {"/Creator ", &doc_.info.creator},    {"/Producer ", &doc_.info.producer},
        {"/CreationDate ", &doc_.info.creationDate}, {"/Subject ", &doc_.info.subject},
        {"/Keywords ", &doc_.info.keywords},
    };
    std::string dictionary = "<<\r";
    for (const auto& [key, value] : entries) {
        // An archival document leaves out empty texts, as its XMP packet does.
        if (value->empty() && doc_.archival.On()) continue;
        dictionary += key + QuoteString(text::PdfTextString(*value)) + "\r";
    }
    WriteLine(dictionary + ">>");
    CloseObject();
    return objNum;
}

void FolivoImpl::WriteXrefAndTrailer(int32_t infoObj, int32_t catalogObj) {
    const int64_t xrefStart = sink_.Position();
    const int32_t last = doc_.objects.LastNumber();
    WriteLine("xref\n0 " + std::to_string(last + 1) + "\n" + kXrefFreeHead);
    for (int32_t i = 1; i <= last; ++i) WriteLine(doc_.objects.XrefEntry(i));
    WriteLine("trailer\n<< /Size " + std::to_string(last + 1) + " /Info " + std::to_string(infoObj) +
              " 0 R /Root " + std::to_string(catalogObj) + " 0 R");
    if (doc_.security.encrypting) WriteLine(TrailerEncryptEntries());
    if (const std::string id = FileIdentifierEntry(); !id.empty()) WriteLine(id);
    WriteLine(">>\nstartxref\n" + std::to_string(xrefStart) + "\n%%EOF");
}

void FolivoImpl::PatchVersion() {
    if (doc_.versionLevel <= 0) return;
    // The header line keeps its 9 bytes, so the minor version stays one digit.
    const int32_t minor = std::min(3 + doc_.versionLevel, 9);
    sink_.OverwriteAt(0, "%PDF-1." + std::to_string(minor) + "\n");
}

}  // namespace folivo
