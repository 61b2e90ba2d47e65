// Folivo's page import and file information: pages of other PDF files drawn as form objects.

#include "pdf/folivo.hpp"

#include "pdf/reader/page_import.hpp"

namespace folivo {
namespace {

constexpr int32_t kErrInvalidFileFormat = 321;

}  // namespace

int32_t Folivo::GetInfo(const std::string& Filename, std::string& PDFTitle, std::string& PDFSubject,
                        std::string& PDFAuthor, bool& PDFEncrypted) {
    PDFTitle.clear();
    PDFSubject.clear();
    PDFAuthor.clear();
    PDFEncrypted = false;
    try {
        const int32_t number = sources_.Open(Filename);
        const reader::DocumentInfo info = reader::ReadDocumentInfo(*sources_.At(number).document);
        PDFEncrypted = info.encrypted;
        PDFTitle = info.title;
        PDFSubject = info.subject;
        PDFAuthor = info.author;
        return info.encrypted ? 0 : info.pages;
    } catch (const Error& error) {
        SetError("GetInfo", error, Filename);
    } catch (const reader::ReadError& error) {
        SetError("GetInfo", Error(kErrInvalidFileFormat, "Invalid file format"), Filename + ": " + error.what());
    }
    return 0;
}

reader::ObjectOutput Folivo::ImportOutput() {
    reader::ObjectOutput output;
    output.reserve = [this] {
        const int32_t number = objects_.LastNumber() + 1;
        objects_.ReserveThrough(number);
        return number;
    };
    output.write = [this](int32_t number, const std::string& body) {
        StartObject(number);
        WriteLine(body);
        CloseObject();
    };
    output.encipher = [this](int32_t number, std::string bytes) {
        security::EncryptForObject(security_, number, bytes);
        return bytes;
    };
    return output;
}

void Folivo::ImportPage(const std::string& Filename, int32_t PageNumber, float DestX, float DestY, float xDim,
                        float YDim) {
    std::string title, subject, author;
    bool encrypted = false;
    const int32_t pages = GetInfo(Filename, title, subject, author, encrypted);
    if (encrypted) throw Error(kErrInvalidFileFormat, "Encrypted PDF files cannot be imported: " + Filename);
    if (pages == 0) return;  // unreadable: GetInfo has recorded why
    const int32_t fileNumber = sources_.Find(Filename);
    reader::SourceFile& source = sources_.At(fileNumber);
    reader::ImportedForm form;
    try {
        if (PageNumber < 1 || static_cast<size_t>(PageNumber) > source.document->Pages().size())
            throw Error(kErrInvalidCall, "Page " + std::to_string(PageNumber) + " not found in " + Filename);
        form = reader::ImportPageForm(source, PageNumber, ImportOutput());
    } catch (const reader::ReadError& error) {
        throw Error(kErrInvalidFileFormat, Filename + ": " + error.what());
    }
    const std::string name = "/_PDF_" + std::to_string(fileNumber) + "." + std::to_string(PageNumber);
    if (resources_.xobjects.find(name + " ") == std::string::npos)
        resources_.xobjects += name + " " + std::to_string(form.object) + " 0 R ";
    const float s = page_.scale;
    const float w = static_cast<float>(form.x1 - form.x0);
    const float h = static_cast<float>(form.y1 - form.y0);
    if (xDim == 0 && YDim == 0) {
        xDim = w / s;
        YDim = h / s;
    } else if (xDim == 0) {
        xDim = YDim * w / h;
    } else if (YDim == 0) {
        YDim = xDim * h / w;
    }
    AddContent("q");
    // The source page's lower-left corner (x0, y0) lands on the rectangle's lower-left corner.
    const float sx = xDim * s / w;
    const float sy = YDim * s / h;
    const float x = DestX * s - sx * static_cast<float>(form.x0);
    const float y = (DestY + YDim) * s + sy * static_cast<float>(form.y0);
    AddContent(FormatNum(sx) + " 0 0 " + FormatNum(-sy) + " " + FormatNum(x) + " " + FormatNum(y) + " cm");
    AddContent(name + " Do");
    AddContent("Q");
}

}  // namespace folivo
