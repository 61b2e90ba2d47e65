// Folivo: raster images (BMP, GIF, TGA, JPEG) as image XObjects written once per file and frame;
// vector pictures (Windows metafiles, Illustrator PostScript) as content at every call.

#include <algorithm>

#include "pdf/folivo.hpp"
#include "pdf/image/bmp_reader.hpp"
#include "pdf/image/byte_source.hpp"
#include "pdf/image/eps_player.hpp"
#include "pdf/image/gif_reader.hpp"
#include "pdf/image/image_file.hpp"
#include "pdf/image/jpeg_reader.hpp"
#include "pdf/image/tga_reader.hpp"
#include "pdf/image/wmf_player.hpp"

namespace folivo {

namespace {

// The last 4 characters, upper-cased, or ".AI" for an Illustrator file.
std::string ExtensionOf(const std::string& fileName) {
    const std::string upper = image::UpperCase(fileName);
    if (upper.size() >= 3 && upper.compare(upper.size() - 3, 3, ".AI") == 0) return ".AI";
    return upper.size() >= 4 ? upper.substr(upper.size() - 4) : upper;
}

image::Raster ReadRaster(const std::string& extension, const std::string& fileName, int32_t frame,
                         const std::string& colorMask) {
    if (extension != ".BMP" && extension != ".GIF" && extension != ".TGA" && extension != ".JPG") {
        throw image::FormatError("unsupported image type " + extension);
    }
    const std::string file = image::ReadImageFile(fileName);
    if (extension == ".BMP") return image::ReadBmp(file, colorMask);
    if (extension == ".GIF") return image::ReadGif(file, frame);
    if (extension == ".TGA") return image::ReadTga(file);
    return image::ReadJpeg(file);
}

}  // namespace

void Folivo::DrawImage(const std::string& Filename, float DestX, float DestY, float ImgWidth, float ImgHeight,
                       int16_t FrameNumber, const std::string& ColorMask) {
    const std::string extension = ExtensionOf(Filename);
    if (extension == ".EPS" || extension == ".AI") {
        PlayEPS(Filename, DestX, DestY, ImgWidth, ImgHeight);
        return;
    }
    if (extension == ".WMF") {
        PlayWMF(Filename, DestX, DestY, ImgWidth, ImgHeight);
        return;
    }
    const int32_t number = FindOrReadImage(Filename, extension, FrameNumber, ColorMask);
    if (number > 0) PlaceImage(number, DestX, DestY, ImgWidth, ImgHeight);
}

void Folivo::PlayWMF(const std::string& fileName, float DestX, float DestY, float ImgWidth, float ImgHeight) {
    PlayVectorFile(fileName, image::PlayWmf, DestX, DestY, ImgWidth, ImgHeight);
}

void Folivo::PlayEPS(const std::string& fileName, float DestX, float DestY, float ImgWidth, float ImgHeight) {
    PlayVectorFile(fileName, image::PlayEps, DestX, DestY, ImgWidth, ImgHeight);
}

void Folivo::PlayVectorFile(const std::string& fileName, VectorPlayer player, float DestX, float DestY,
                            float ImgWidth, float ImgHeight) {
    const float s = page_.scale;
    std::vector<std::string> lines;
    try {
        lines = player(image::ReadImageFile(fileName), {DestX * s, DestY * s, ImgWidth * s, ImgHeight * s});
    } catch (const Error& error) {
        // Nothing of a damaged picture is drawn; the error is recorded and the document goes on.
        SetError("DrawImage", error, fileName);
        return;
    }
    for (const std::string& line : lines) AddContent(line);
}

int32_t Folivo::FindOrReadImage(const std::string& fileName, const std::string& extension, int32_t frame,
                                const std::string& colorMask) {
    if (const int32_t known = images_.Find(fileName, frame)) return known;
    image::Raster raster;
    try {
        raster = ReadRaster(extension, fileName, frame, colorMask);
    } catch (const Error& error) {
        // A picture that cannot be read is recorded and not drawn; the document goes on.
        SetError("DrawImage", error, fileName);
        return 0;
    }
    image::ImageEntry entry{fileName, frame, raster.width, raster.height, raster.topRowFirst, std::nullopt};
    const int32_t number = images_.Add(std::move(entry));
    resources_.hasImages = true;
    if (sink_.IsOpen()) {
        WriteImageObject(number, raster);
    } else {
        images_.At(number).pending = std::move(raster);
    }
    return number;
}

void Folivo::WriteImageObject(int32_t number, const image::Raster& raster) {
    const int32_t objNum = StartObject();
    WriteLine("<< /Type /XObject /Subtype /Image /Name /_IMG_" + std::to_string(number) + " /Width " +
              std::to_string(raster.width) + " /Height " + std::to_string(raster.height));
    if (!raster.maskKey.empty()) WriteLine("/Mask [" + raster.maskKey + "]");
    if (raster.indexed) {
        WriteLine("/BitsPerComponent " + std::to_string(raster.bits) + " /ColorSpace [/Indexed /DeviceRGB " +
                  std::to_string(kPowersOfTwo[static_cast<size_t>(raster.bits)] - 1) + " " +
                  std::to_string(objNum + 1) + " 0 R]");
    } else {
        WriteLine("/BitsPerComponent 8 /ColorSpace /" + raster.colorSpace);
    }
    PutStream(raster.samples, objNum, raster.filter);
    CloseObject();
    if (raster.indexed) {
        const int32_t paletteObj = StartObject();
        WriteLine("<<");
        PutStream(raster.palette, paletteObj);
        CloseObject();
    }
    resources_.xobjects += "/_IMG_" + std::to_string(number) + " " + std::to_string(objNum) + " 0 R ";
}

void Folivo::PutPendingImages() {
    for (int32_t n = 1; n <= images_.Count(); ++n) {
        auto& entry = images_.At(n);
        if (!entry.pending) continue;
        WriteImageObject(n, *entry.pending);
        entry.pending.reset();
    }
}

void Folivo::PlaceImage(int32_t number, float DestX, float DestY, float ImgWidth, float ImgHeight) {
    const image::ImageEntry& entry = images_.At(number);
    SetXY(DestX, DestY);
    const float s = page_.scale;
    const float w = static_cast<float>(entry.width);
    const float h = static_cast<float>(entry.height);
    if (ImgWidth == 0 && ImgHeight == 0) {
        ImgWidth = w / s;
        ImgHeight = h / s;
    } else if (ImgWidth == 0) {
        ImgWidth = ImgHeight * w / h;
    } else if (ImgHeight == 0) {
        ImgHeight = ImgWidth * h / w;
    }
    lastArea_ = Area{page_.curX, page_.height - page_.curY - ImgHeight * s, page_.curX + ImgWidth * s,
                     page_.height - page_.curY};
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
