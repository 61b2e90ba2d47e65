// Folivo: raster images (BMP, GIF, TGA, JPEG, PNG) as image XObjects written once per file and frame;
// vector pictures (Windows metafiles, Illustrator PostScript) as content at every call.

#include <algorithm>

#include "pdf/folivo_impl.hpp"
#include "pdf/core/placed_size.hpp"
#include "pdf/core/upper_name.hpp"
#include "pdf/fonts/standard_fonts.hpp"
#include "pdf/image/bmp_reader.hpp"
#include "pdf/image/byte_source.hpp"
#include "pdf/image/eps_player.hpp"
#include "pdf/image/gif_reader.hpp"
#include "pdf/image/image_file.hpp"
#include "pdf/image/jpeg_reader.hpp"
#include "pdf/image/png_reader.hpp"
#include "pdf/image/tga_reader.hpp"
#include "pdf/image/wmf_player.hpp"

namespace folivo {

namespace {

// The last 4 characters, upper-cased, or ".AI" for an Illustrator file; the other spellings of
// the JPEG extension read as ".JPG".
std::string ExtensionOf(const std::string& fileName) {
    const std::string upper = UpperAscii(fileName);
    if (upper.ends_with(".AI")) return ".AI";
    if (upper.ends_with(".JPEG") || upper.ends_with(".JPE")) return ".JPG";
    return upper.size() >= 4 ? upper.substr(upper.size() - 4) : upper;
}

image::Raster ReadRaster(const std::string& extension, const std::string& fileName, int32_t frame,
                         const std::string& colorMask) {
    if (extension != ".BMP" && extension != ".GIF" && extension != ".TGA" && extension != ".JPG" &&
        extension != ".PNG") {
        throw image::FormatError("unsupported image type " + extension);
    }
    const std::string file = image::ReadImageFile(fileName);
    if (extension == ".BMP") return image::ReadBmp(file, colorMask);
    if (extension == ".GIF") return image::ReadGif(file, frame);
    if (extension == ".TGA") return image::ReadTga(file);
    if (extension == ".PNG") return image::ReadPng(file);
    return image::ReadJpeg(file);
}

}  // namespace

void Folivo::DrawImage(const std::string& Filename, float DestX, float DestY, float ImgWidth, float ImgHeight,
                       int16_t FrameNumber, const std::string& ColorMask) {
    const std::string extension = ExtensionOf(Filename);
    if (extension == ".EPS" || extension == ".AI") {
        impl_->PlayEPS(Filename, DestX, DestY, ImgWidth, ImgHeight);
        return;
    }
    if (extension == ".WMF") {
        impl_->PlayWMF(Filename, DestX, DestY, ImgWidth, ImgHeight);
        return;
    }
    const int32_t number = impl_->FindOrReadImage(Filename, extension, FrameNumber, ColorMask);
    if (number > 0) impl_->PlaceImage(number, DestX, DestY, ImgWidth, ImgHeight);
}

void FolivoImpl::PlayWMF(const std::string& fileName, float DestX, float DestY, float ImgWidth, float ImgHeight) {
    PlayVectorFile(fileName, image::PlayWmf, DestX, DestY, ImgWidth, ImgHeight);
}

void FolivoImpl::PlayEPS(const std::string& fileName, float DestX, float DestY, float ImgWidth, float ImgHeight) {
    PlayVectorFile(fileName, image::PlayEps, DestX, DestY, ImgWidth, ImgHeight);
}

namespace {

// What a picture asks of the document, under the picture's file name.
class PictureResources : public image::PictureHost {
public:
    PictureResources(FolivoImpl& impl, const std::string& fileName) : impl_(impl), fileName_(fileName) {}
    std::string StandardFont(const std::string& name, bool bold, bool italic) override {
        return impl_.PictureFont(name, bold, italic);
    }
    double TextWidth(const std::string& name, bool bold, bool italic, const std::string& text) override {
        const fonts::FontRecord& font = impl_.doc_.fonts.At(impl_.PictureFontIndex(name, bold, italic));
        double thousandths = 0;
        for (char c : text) thousandths += font.widths[static_cast<unsigned char>(c)];
        return thousandths / 1000;
    }
    std::string Bitmap(int32_t ordinal, const std::function<image::Raster()>& read) override {
        return impl_.PictureBitmap(fileName_, ordinal, read);
    }
    void Damaged(const std::string& what) override {
        impl_.SetError("DrawImage", Error(kErrInvalidFileFormat, what), fileName_);
    }

private:
    FolivoImpl& impl_;
    const std::string& fileName_;
};

// The standard family nearest to a PostScript or Windows font name.
std::string StandardFamily(const std::string& name) {
    const std::string upper = UpperAscii(name);
    for (const char* fixed : {"COURIER", "MONO", "CONSOL", "FIXED"}) {
        if (upper.find(fixed) != std::string::npos) return "Courier";
    }
    for (const char* serif : {"TIMES", "ROMAN", "GEORGIA", "GARAMOND", "SERIF"}) {
        if (upper.find(serif) != std::string::npos && upper.find("SANS") == std::string::npos) return "Times";
    }
    return upper.find("SYMBOL") != std::string::npos ? "Symbol" : "Helvetica";
}

}  // namespace

void FolivoImpl::PlayVectorFile(const std::string& fileName, VectorPlayer player, float DestX, float DestY,
                                float ImgWidth, float ImgHeight) {
    const float s = doc_.page.scale;
    std::vector<std::string> lines;
    PictureResources resources(*this, fileName);
    try {
        lines = player(image::ReadImageFile(fileName), {DestX * s, DestY * s, ImgWidth * s, ImgHeight * s},
                       resources);
    } catch (const Error& error) {
        // Nothing of a damaged picture is drawn; the error is recorded and the document goes on.
        SetError("DrawImage", error, fileName);
        return;
    }
    for (const std::string& line : lines) AddContent(line);
}

int32_t FolivoImpl::PictureFontIndex(const std::string& name, bool bold, bool italic) {
    const int32_t style = (bold ? fonts::kStyleBold : 0) | (italic ? fonts::kStyleItalic : 0);
    const fonts::FontRequest request = fonts::RequestFor(StandardFamily(name), style, 0);
    int32_t index = doc_.fonts.Find(request.key, request.encoding);
    if (index == 0) {
        index = doc_.fonts.Add(StandardFontRecord(request));
        PutFontObjects(index);
    }
    return index;
}

std::string FolivoImpl::PictureFont(const std::string& name, bool bold, bool italic) {
    return "/" + fonts::NameToken(doc_.fonts.At(PictureFontIndex(name, bold, italic)).resourceName);
}

std::string FolivoImpl::PictureBitmap(const std::string& fileName, int32_t ordinal,
                                      const std::function<image::Raster()>& read) {
    int32_t number = doc_.images.Find(fileName, -ordinal);
    if (number == 0) number = AddImage(fileName, -ordinal, read());
    if (number == 0) throw image::FormatError("bitmap not allowed in this document");
    return "/_IMG_" + std::to_string(number);
}

int32_t FolivoImpl::FindOrReadImage(const std::string& fileName, const std::string& extension, int32_t frame,
                                    const std::string& colorMask) {
    if (const int32_t known = doc_.images.Find(fileName, frame)) return known;
    image::Raster raster;
    try {
        raster = ReadRaster(extension, fileName, frame, colorMask);
    } catch (const Error& error) {
        // A picture that cannot be read is recorded and not drawn; the document goes on.
        SetError("DrawImage", error, fileName);
        return 0;
    }
    return AddImage(fileName, frame, std::move(raster));
}

int32_t FolivoImpl::AddImage(const std::string& fileName, int32_t frame, image::Raster raster) {
    if (raster.colorSpace == "DeviceCMYK" && RefusedUnderPdfA("DrawImage", "CMYK pictures beside an sRGB output intent"))
        return 0;
    if (!raster.alpha.empty()) RequireVersion(1);  // soft masks came with PDF 1.4
    if (raster.bits == 16) RequireVersion(2);      // 16-bit samples with PDF 1.5
    image::ImageEntry entry{fileName, frame, raster.width, raster.height, raster.topRowFirst, std::nullopt};
    const int32_t number = doc_.images.Add(std::move(entry));
    doc_.resources.hasImages = true;
    if (sink_.IsOpen()) {
        WriteImageObject(number, raster);
    } else {
        doc_.images.At(number).pending = std::move(raster);
    }
    return number;
}

void FolivoImpl::WriteImageObject(int32_t number, const image::Raster& raster) {
    const int32_t objNum = StartObject();
    WriteLine("<< /Type /XObject /Subtype /Image /Name /_IMG_" + std::to_string(number) + " /Width " +
              std::to_string(raster.width) + " /Height " + std::to_string(raster.height));
    if (!raster.maskKey.empty()) WriteLine("/Mask [" + raster.maskKey + "]");
    if (raster.indexed) {
        WriteLine("/BitsPerComponent " + std::to_string(raster.bits) + " /ColorSpace [/Indexed /DeviceRGB " +
                  std::to_string((1 << raster.bits) - 1) + " " +
                  std::to_string(objNum + 1) + " 0 R]");
    } else {
        WriteLine("/BitsPerComponent " + std::to_string(raster.bits) + " /ColorSpace /" + raster.colorSpace);
    }
    if (!raster.decode.empty()) WriteLine("/Decode [" + raster.decode + "]");
    // The soft mask follows the image and its palette.
    if (!raster.alpha.empty()) WriteLine("/SMask " + std::to_string(objNum + (raster.indexed ? 2 : 1)) + " 0 R");
    PutStream(raster.samples, objNum, raster.filter, 0, raster.decodeParms);
    CloseObject();
    if (raster.indexed) {
        const int32_t paletteObj = StartObject();
        WriteLine("<<");
        PutStream(raster.palette, paletteObj);
        CloseObject();
    }
    if (!raster.alpha.empty()) WriteSoftMask(raster);
    doc_.resources.xobjects += "/_IMG_" + std::to_string(number) + " " + std::to_string(objNum) + " 0 R ";
}

// The opacity of each pixel as an 8-bit grey image.
void FolivoImpl::WriteSoftMask(const image::Raster& raster) {
    const int32_t objNum = StartObject();
    WriteLine("<< /Type /XObject /Subtype /Image /Width " + std::to_string(raster.width) + " /Height " +
              std::to_string(raster.height) + " /BitsPerComponent 8 /ColorSpace /DeviceGray");
    PutStream(raster.alpha, objNum);
    CloseObject();
}

void FolivoImpl::PutPendingImages() {
    for (int32_t n = 1; n <= doc_.images.Count(); ++n) {
        auto& entry = doc_.images.At(n);
        if (!entry.pending) continue;
        WriteImageObject(n, *entry.pending);
        entry.pending.reset();
    }
}

void FolivoImpl::PlaceImage(int32_t number, float DestX, float DestY, float ImgWidth, float ImgHeight) {
    const image::ImageEntry& entry = doc_.images.At(number);
    api_.SetXY(DestX, DestY);
    const float s = doc_.page.scale;
    const float w = static_cast<float>(entry.width);
    const float h = static_cast<float>(entry.height);
    FillZeroSide(ImgWidth, ImgHeight, w, h, s);
    const PageSetup& page = doc_.page;
    doc_.lastArea = Area{page.curX, page.height - page.curY - ImgHeight * s, page.curX + ImgWidth * s,
                         page.height - page.curY};
    const std::string name = " cm /_IMG_" + std::to_string(number) + " Do Q";
    if (entry.topRowFirst) {
        AddContent("q " + FormatPt(ImgWidth) + " 0 0 " + FormatPt(-ImgHeight) + " " + FormatPt(DestX) + " " +
                   FormatPt(DestY + ImgHeight) + name);
    } else {
        AddContent("q " + FormatPt(ImgWidth) + " 0 0 " + FormatPt(ImgHeight) + " " + FormatPt(DestX) + " " +
                   FormatPt(DestY) + name);
    }
}

}  // namespace folivo
