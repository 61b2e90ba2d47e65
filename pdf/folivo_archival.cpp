// Folivo's archival members: PDF/A-2b documents (SetPDFA), the TrueType files drawn for the standard
// fonts (SetStandardFontFile), and the steps that keep an archival document conforming: its binary
// header comment, output intent, XMP identification and file identifier, and the refusal of what
// PDF/A forbids.

#include <filesystem>
#include <utility>

#include "pdf/archival/archival_xmp.hpp"
#include "pdf/archival/output_intent.hpp"
#include "pdf/codec/ascii_hex.hpp"
#include "pdf/core/upper_name.hpp"
#include "pdf/fonts/standard_fonts.hpp"
#include "pdf/folivo_impl.hpp"
#include "pdf/image/image_file.hpp"
#include "pdf/security/md5.hpp"

namespace folivo {

void Folivo::SetPDFA(int32_t Level) {
    const auto refuse = [this](const std::string& why) {
        impl_->SetError("SetPDFA", Error(kErrInvalidCall, why), "");
    };
    if (Level != 0 && Level != archival::kPdfA2b)
        return refuse("PDF/A level " + std::to_string(Level) + " is not supported (0 off, 2 PDF/A-2b)");
    if (impl_->sink_.IsOpen()) return refuse("SetPDFA must come before BeginDoc");
    if (Level != 0 && impl_->doc_.security.encrypting) return refuse("a protected document cannot be PDF/A");
    impl_->doc_.archival.level = 0;
    if (Level == 0) return;
    const std::string path = impl_->host_.ColorProfilePath();
    try {
        if (path.empty()) throw Error(kErrFileNotFound, "No sRGB colour profile found");
        std::string profile = image::ReadImageFile(path);
        archival::RequireRgbProfile(profile);
        impl_->doc_.archival.profile = std::move(profile);
    } catch (const Error& error) {
        impl_->SetError("SetPDFA", error, path);
        return;
    }
    impl_->doc_.archival.level = Level;
    impl_->RequireVersion(1);  // output intents and metadata streams are PDF 1.4
}

void Folivo::SetStandardFontFile(const std::string& Name, const std::string& Path) {
    const std::string key = archival::StandardFontKey(Name);
    if (key.empty()) {
        impl_->SetError("SetStandardFontFile", Error(kErrInvalidCall, "not a standard font: " + Name), "");
        return;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(Path, ec)) {
        impl_->SetError("SetStandardFontFile", Error(kErrFileNotFound, "File not found"), Path);
        return;
    }
    impl_->doc_.archival.fontFiles[key] = Path;
}

bool FolivoImpl::RefusedUnderPdfA(const std::string& member, const std::string& what) {
    if (!doc_.archival.On()) return false;
    SetError(member, Error(kErrInvalidCall, "PDF/A-2b forbids " + what), "");
    return true;
}

void FolivoImpl::DropPdfA(const std::string& member, const Error& why) {
    if (!doc_.archival.On()) return;
    SetError(member, Error(why.number(), std::string("not PDF/A-2b: ") + why.what()), "");
    doc_.archival.level = 0;
}

fonts::FontRecord FolivoImpl::StandardFontRecord(const fonts::FontRequest& request) {
    if (!doc_.archival.On()) return fonts::StandardRecord(request);
    // A family that is not standard takes Arial's metrics, hence Arial's file.
    const std::string key = fonts::StandardBaseName(UpperAscii(request.baseName))
                                ? request.baseFontName
                                : fonts::StyledName("Arial", "Arial", request.style);
    const auto file = doc_.archival.fontFiles.find(key);
    try {
        if (file == doc_.archival.fontFiles.end())
            throw Error(kErrFileNotFound, "no TrueType file for the standard font " + key);
        return StandardFontFromFile(file->second, request);
    } catch (const Error& error) {
        DropPdfA("SetFont", error);
        return fonts::StandardRecord(request);
    }
}

void FolivoImpl::RequireGlyph(const fonts::FontRecord& font, bool drawn, const std::string& character) {
    if (doc_.archival.On() && !drawn)
        DropPdfA("DrawText", Error(kErrInvalidCall, character + " has no glyph in " + font.baseFontName));
}

std::string FolivoImpl::HeaderComment() const {
    // PDF/A: the line after the version holds at least four bytes above 127, marking the file binary.
    return doc_.archival.On() ? "%\xE2\xE3\xCF\xD3\n" : "";
}

int32_t FolivoImpl::WriteArchivalMetadata() {
    const std::string packet = archival::BuildArchivalXmp(doc_.info, doc_.archival.level);
    const int32_t objNum = StartObject();
    // Unfiltered, so that the packet can be found by scanning the file.
    WriteLine("<< /Type /Metadata /Subtype /XML /Length " + std::to_string(packet.size()) + " >>\rstream\n" + packet +
              "\nendstream");
    CloseObject();
    return objNum;
}

void FolivoImpl::WriteOutputProfile() {
    if (!doc_.archival.On()) return;
    const int32_t objNum = StartObject();
    doc_.archival.profileObj = objNum;
    WriteLine("<< /N 3");
    PutStream(std::exchange(doc_.archival.profile, std::string()), objNum);
    CloseObject();
}

std::string FolivoImpl::ArchivalCatalogLines() const {
    return doc_.archival.On() ? "\r" + archival::OutputIntentsEntry(doc_.archival.profileObj) : "";
}

std::string FolivoImpl::FileIdentifierEntry() {
    if (doc_.security.encrypting || !doc_.archival.On()) return "";
    // The moment, the name, the size so far and the host's random source: two files never share it,
    // and a test's host makes it repeatable.
    const std::string id = security::Md5(doc_.info.xmpCreationDate + doc_.fileName + doc_.info.title +
                                         std::to_string(sink_.Position()) + std::to_string(host_.Random()));
    std::string hex;
    for (char c : id) codec::AppendHexByte(hex, static_cast<uint8_t>(c));
    return "/ID [<" + hex + "><" + hex + ">]";
}

}  // namespace folivo
