#include "pdf/image/jpeg_reader.hpp"

#include "pdf/image/byte_source.hpp"

namespace folivo::image {

namespace {

// The scan for the frame header stops this many bytes before the end of the file.
constexpr uint64_t kTailBytes = 10;
constexpr uint8_t kApp14 = 0xEE;

bool IsStartOfFrame(uint8_t marker) {
    return (marker >= 192 && marker <= 195) || (marker >= 197 && marker <= 199) || (marker >= 201 && marker <= 203) ||
           (marker >= 205 && marker <= 207);
}

// Markers without a length field: TEM, the restart markers and start/end of image.
bool IsStandalone(uint8_t marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD9); }

const char* ColorSpaceOf(uint8_t components) {
    switch (components) {
        case 1: return "DeviceGray";
        case 3: return "DeviceRGB";
        case 4: return "DeviceCMYK";
        default: return "";
    }
}

uint64_t FindStartOfImage(std::string_view file) {
    const size_t soi = file.find("\xFF\xD8\xFF");
    if (soi == std::string_view::npos) throw FormatError("no JPEG start of image");
    return soi + 2;
}

}  // namespace

Raster ReadJpeg(std::string_view file) {
    const ByteSource b(file);
    uint64_t pos = FindStartOfImage(file);
    bool adobe = false;  // an APP14 "Adobe" segment: CMYK samples are stored inverted
    while (pos + kTailBytes <= b.size()) {
        const uint8_t marker = b.U8(pos + 1);
        // A marker is 255 followed by neither 255 (fill) nor 0 (a stuffed data byte).
        if (b.U8(pos) != 255 || marker == 255 || marker == 0) {
            ++pos;
            continue;
        }
        if (IsStartOfFrame(marker)) {
            const uint64_t at = pos + 1;
            Raster r;
            r.height = b.U16BE(at + 4);
            r.width = b.U16BE(at + 6);
            r.colorSpace = ColorSpaceOf(b.U8(at + 8));
            if (r.colorSpace.empty()) throw FormatError("unsupported JPEG component count");
            // The samples are not decoded here, so any size the frame header can hold is accepted.
            if (r.width == 0 || r.height == 0) throw FormatError("zero JPEG image size");
            if (adobe && r.colorSpace == "DeviceCMYK") r.decode = "1 0 1 0 1 0 1 0";
            r.samples = std::string(file);
            r.filter = "/DCTDecode ";
            r.topRowFirst = true;
            return r;
        }
        if (IsStandalone(marker)) {
            pos += 2;
            continue;
        }
        const uint16_t length = b.U16BE(pos + 2);
        if (length < 2) throw FormatError("JPEG segment length");
        if (marker == kApp14 && b.Has(pos + 4, 5) && b.Bytes(pos + 4, 5) == "Adobe") adobe = true;
        pos += 2u + length;
    }
    throw FormatError("JPEG without a frame header");
}

}  // namespace folivo::image
