// Folivo: document life cycle, object store and file writing.

#include "pdf/folivo.hpp"

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

Folivo::Folivo() : ownHost_(std::make_unique<DefaultHost>()), host_(*ownHost_) { Abort(); }

Folivo::Folivo(Host& host) : host_(host) { Abort(); }

Folivo::~Folivo() = default;

void Folivo::TakeCreationDate() {
    const LocalTime now = host_.Now();
    info_.creationDate = PdfDate(now);
    info_.xmpCreationDate = XmpDate(now);
}

void Folivo::ResetState() {
    objects_ = ObjectStore{};
    content_ = ContentRouter{};
    info_ = DocInfo{};
    TakeCreationDate();
    page_ = PageSetup{};
    pages_ = PageList{};
    colors_ = ColorState{};
    lastArea_ = Area{};
    graphics_ = graphics::GraphicsState{};
    resources_ = ResourceLists{};
    reusable_ = ReusableObjects{};
    images_ = image::ImageTable{};
    table_ = TableLayout{};
    nav_ = navigation::NavigationState{};
    spacing_ = TextSpacing{};
    ResetText();
    lineWidth_ = 0;
    fileName_.clear();
    fileSize_ = 0;
    versionLevel_ = 0;
    viewerMode_ = 0;
    errNumber_ = 0;
    errSource_.clear();
    errDescription_.clear();
    ResetFiltersAndSecurity();
    SetScale(0);
    SetPaperSize(0);
}

void Folivo::Abort() {
    try {
        sink_.Close();  // the partial file stays on disk
    } catch (const Error&) {
        // Nothing more can be done for an unfinished file that cannot be flushed.
    }
    ResetState();
}

void Folivo::OpenOutput(const std::string& fileName) {
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
    sink_.Close();
    fileName_ = FileName.empty() ? DefaultFileName(host_.Now(), host_.Random()) : FileName;
    try {
        OpenOutput(fileName_);
        WriteLine(std::string("%PDF-1.3\n% ") + kFolivoBanner + " rel. " + kFolivoVersion);
    } catch (const Error& error) {
        SetError("BeginDoc", error, fileName_);
        return fileName_;
    }
    // Objects 1 to 3 (page tree, page resources, pattern-cell resources) are written by EndDoc.
    objects_.ReserveThrough(3);
    return fileName_;
}

void Folivo::EndDoc() {
    if (pages_.Count() == 0) BeginPage();
    if (content_.pageOpen) EndPage();
    PutPendingFonts();  // fonts selected before the file was open
    PutPendingImages();
    WriteEncryptionObject();
    const int32_t metadataObj = WriteMetadataObject();
    WriteLayerObjects();
    WriteResourceObjects();
    WritePageTree();
    WriteNavigationObjects();
    const int32_t catalogObj = WriteCatalog(metadataObj);
    const int32_t infoObj = WriteInfoObject();
    WriteXrefAndTrailer(infoObj, catalogObj);
    PatchVersion();
    fileSize_ = static_cast<int32_t>(sink_.Close());
    sources_.Clear();  // imported files are read again by the next document
}

void Folivo::OpenDoc() { host_.ShellOpen(fileName_); }

int32_t Folivo::FileSize() const {
    return sink_.IsOpen() ? static_cast<int32_t>(sink_.Position()) : fileSize_;
}

void Folivo::SetMemoryUsage(int16_t Value) {
    if (Value >= 0 && Value < 11) objects_.SetMemoryUsage(static_cast<uint8_t>(Value));
}

void Folivo::SetError(const std::string& procedure, const Error& error, const std::string& extra) {
    errNumber_ = error.number();
    errSource_ = "Folivo." + procedure;
    errDescription_ = extra.empty() ? error.what() : extra + " - " + error.what();
}

// ---- file writing ----

void Folivo::WriteLine(std::string_view text) {
    sink_.Write(text);
    sink_.Write("\n");
}

int32_t Folivo::StartObject(int32_t& ObjNum) {
    sink_.RequireOpen();
    ObjNum = objects_.Start(ObjNum, sink_.Position());
    WriteLine(std::to_string(ObjNum) + " 0 obj");
    return ObjNum;
}

int32_t Folivo::StartObject() {
    int32_t objNum = 0;
    return StartObject(objNum);
}

void Folivo::CloseObject() { WriteLine("endobj"); }

void Folivo::AddContent(std::string_view text) { content_.AddLine(text); }

void Folivo::RequireVersion(int32_t n) { versionLevel_ = std::max(versionLevel_, n); }

std::string Folivo::FormatNum(float value) const { return folivo::FormatNum(value); }

std::string Folivo::FormatPt(float value) const { return folivo::FormatNum(value * page_.scale); }

float Folivo::RoundValue(float value) const { return folivo::RoundValue(value); }

std::string Folivo::EscapeString(std::string_view Text) const { return folivo::EscapeString(Text); }

std::string Folivo::ReplaceText(std::string_view Text, std::string_view Find, std::string_view Replacement,
                                int32_t Start, int32_t Count) const {
    return folivo::ReplaceText(Text, Find, Replacement, Start, Count);
}

std::string Folivo::QuoteString(std::string_view Text) {
    std::string quoted = "(";
    quoted += EscapeString(EncryptString(std::string(Text)));
    quoted += ')';
    return quoted;
}

void Folivo::PutStream(std::string Data, int32_t ObjNum, std::string Filters, int32_t Length1) {
    EncodeStream(Data, ObjNum, Filters);  // encoders (SetCompression), then encryption (SetProtection)
    if (!Filters.empty()) WriteLine("/Filter [" + Filters + "]");
    if (Length1 > 0) WriteLine("/Length1 " + std::to_string(Length1));
    WriteLine("/Length " + std::to_string(Data.size()) + " >>\rstream\n" + Data + "\nendstream");
}

std::string Folivo::BuildXMP() const { return BuildXmpPacket(info_, info_.xmpCreationDate); }

// ---- EndDoc's steps ----

int32_t Folivo::WriteMetadataObject() {
    const int32_t objNum = StartObject();
    WriteLine("<< /Type /Metadata /Subtype /XML");
    PutStream(BuildXMP(), objNum);
    CloseObject();
    return objNum;
}

void Folivo::WriteResourceObjects() {
    for (int32_t objNum : {3, 2}) {
        StartObject(objNum);
        WriteLine(ResourceDictionary(resources_, objNum == 2));
        CloseObject();
    }
}

void Folivo::WritePageTree() {
    int32_t objNum = 1;
    StartObject(objNum);
    WriteLine("<<\r/Type /Pages /Count " + std::to_string(pages_.Count()) + "\r/Kids [" + pages_.Kids() +
              "] \r>>");
    CloseObject();
}

int32_t Folivo::WriteCatalog(int32_t metadataObj) {
    const int32_t objNum = StartObject();
    WriteLine("<< /Type /Catalog\r/Pages 1 0 R\r/Metadata " + std::to_string(metadataObj) + " 0 R");
    WriteViewerPreferenceLines();
    WriteNavigationCatalogLines();
    WriteLine(">>");
    CloseObject();
    return objNum;
}

int32_t Folivo::WriteInfoObject() {
    const int32_t objNum = StartObject();
    const std::pair<const char*, const std::string*> entries[] = {
        {"/Title ", &info_.title},        {"/Author ", &info_.author},
        {"/Creator ", &info_.creator},    {"/Producer ", &info_.producer},
        {"/CreationDate ", &info_.creationDate}, {"/Subject ", &info_.subject},
        {"/Keywords ", &info_.keywords},
    };
    std::string dictionary = "<<\r";
    for (const auto& [key, value] : entries) dictionary += key + QuoteString(*value) + "\r";
    WriteLine(dictionary + ">>");
    CloseObject();
    return objNum;
}

void Folivo::WriteXrefAndTrailer(int32_t infoObj, int32_t catalogObj) {
    const int64_t xrefStart = sink_.Position();
    const int32_t last = objects_.LastNumber();
    WriteLine("xref\n0 " + std::to_string(last + 1) + "\n" + kXrefFreeHead);
    for (int32_t i = 1; i <= last; ++i) WriteLine(objects_.XrefEntry(i));
    WriteLine("trailer\n<< /Size " + std::to_string(last + 1) + " /Info " + std::to_string(infoObj) +
              " 0 R /Root " + std::to_string(catalogObj) + " 0 R");
    if (security_.encrypting) WriteLine(TrailerEncryptEntries());
    WriteLine(">>\nstartxref\n" + std::to_string(xrefStart) + "\n%%EOF");
}

void Folivo::PatchVersion() {
    if (versionLevel_ <= 0) return;
    // The header line keeps its 9 bytes, so the minor version stays one digit.
    const int32_t minor = std::min(3 + versionLevel_, 9);
    sink_.OverwriteAt(0, "%PDF-1." + std::to_string(minor) + "\n");
}

}  // namespace folivo
