// Folivo's page import and file information: pages of other PDF files drawn as form objects.

#include "pdf/folivo_impl.hpp"

#include "pdf/core/placed_size.hpp"
#include "pdf/reader/page_import.hpp"

namespace folivo {

int32_t Folivo::GetInfo(const std::string& Filename, std::string& PDFTitle, std::string& PDFSubject,
                        std::string& PDFAuthor, bool& PDFEncrypted) {
    PDFTitle.clear();
    PDFSubject.clear();
    PDFAuthor.clear();
    PDFEncrypted = false;
    try {
        const int32_t number = impl_->doc_.sources.Open(Filename);
        const reader::DocumentInfo info = reader::ReadDocumentInfo(*impl_->doc_.sources.At(number).document);
        PDFEncrypted = info.encrypted;
        PDFTitle = info.title;
        PDFSubject = info.subject;
        PDFAuthor = info.author;
        return info.pages;  // 0 for an encrypted file that the empty password does not open
    } catch (const Error& error) {
        impl_->SetError("GetInfo", error, Filename);
    } catch (const reader::ReadError& error) {
        impl_->SetError("GetInfo", Error(kErrInvalidFileFormat, "Invalid file format"), Filename + ": " + error.what());
    }
    return 0;
}

reader::ObjectOutput FolivoImpl::ImportOutput() {
    reader::ObjectOutput output;
    output.reserve = [this] {
        const int32_t number = doc_.objects.LastNumber() + 1;
        doc_.objects.ReserveThrough(number);
        return number;
    };
    output.write = [this](int32_t number, const std::string& body) {
        StartObject(number);
        WriteLine(body);
        CloseObject();
    };
    output.encipher = [this](int32_t number, std::string bytes) {
        security::EncryptForObject(doc_.security, number, bytes);
        return bytes;
    };
    return output;
}

void Folivo::ImportPage(const std::string& Filename, int32_t PageNumber, float DestX, float DestY, float xDim,
                        float YDim) {
    // The imported page's fonts and colours are beyond this document's control.
    if (impl_->RefusedUnderPdfA("ImportPage", "pages of other files, whose conformance is unknown")) return;
    std::string title, subject, author;
    bool encrypted = false;
    const int32_t pages = GetInfo(Filename, title, subject, author, encrypted);
    if (encrypted && pages == 0)
        throw Error(kErrInvalidFileFormat, "Encrypted PDF files cannot be imported: " + Filename);
    if (pages == 0) return;  // unreadable: GetInfo has recorded why
    const int32_t fileNumber = impl_->doc_.sources.Find(Filename);
    reader::SourceFile& source = impl_->doc_.sources.At(fileNumber);
    reader::ImportedForm form;
    try {
        if (PageNumber < 1 || static_cast<size_t>(PageNumber) > source.document->Pages().size())
            throw Error(kErrInvalidCall, "Page " + std::to_string(PageNumber) + " not found in " + Filename);
        form = reader::ImportPageForm(source, PageNumber, impl_->ImportOutput());
    } catch (const reader::ReadError& error) {
        throw Error(kErrInvalidFileFormat, Filename + ": " + error.what());
    }
    const std::string name = "/_PDF_" + std::to_string(fileNumber) + "." + std::to_string(PageNumber);
    if (impl_->doc_.resources.xobjects.find(name + " ") == std::string::npos)
        impl_->doc_.resources.xobjects += name + " " + std::to_string(form.object) + " 0 R ";
    const float s = impl_->doc_.page.scale;
    const float w = static_cast<float>(form.x1 - form.x0);
    const float h = static_cast<float>(form.y1 - form.y0);
    FillZeroSide(xDim, YDim, w, h, s);
    impl_->AddContent("q");
    // The source page's lower-left corner (x0, y0) lands on the rectangle's lower-left corner.
    const float sx = xDim * s / w;
    const float sy = YDim * s / h;
    const float x = DestX * s - sx * static_cast<float>(form.x0);
    const float y = (DestY + YDim) * s + sy * static_cast<float>(form.y0);
    impl_->AddContent(impl_->FormatNum(sx) + " 0 0 " + impl_->FormatNum(-sy) + " " + impl_->FormatNum(x) + " " +
                      impl_->FormatNum(y) + " cm");
    impl_->AddContent(name + " Do");
    impl_->AddContent("Q");
    if (!impl_->doc_.importedLinks.carry) return;
    // Source page space to the output page: the form's turn, this placement, then the page's
    // flip below its top margin (as ContentPrefix sets it).
    const PageSetup& page = impl_->doc_.page;
    const double* m = form.matrix;
    const double top = page.height - page.top;
    impl_->CarryLinks(fileNumber, PageNumber,
                      {sx * m[0], sy * m[1], sx * m[2], sy * m[3], sx * m[4] + x + page.left, sy * m[5] + top - y});
}

}  // namespace folivo
