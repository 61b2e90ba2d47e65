#include "pdf/image/wmf_player.hpp"

#include <cstdint>

#include "pdf/core/number_format.hpp"
#include "pdf/image/byte_source.hpp"

namespace folivo::image {

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;  // bytes 215, 205, 198, 154
constexpr uint64_t kPlaceableHeaderSize = 22;
constexpr uint64_t kStandardHeaderSize = 18;

enum Function : uint16_t {
    kEndOfFile = 0,
    kSetPolyFillMode = 262,
    kSelectObject = 301,
    kDeleteObject = 496,
    kSetWindowOrg = 523,
    kSetWindowExt = 524,
    kCreatePen = 762,
    kCreateBrush = 764,
    kPolygon = 804,
    kPolyline = 805,
    kPolyPolygon = 1336,
};

// Records that create an object other than a pen or brush (palette, pattern brushes, font,
// region): they take a slot of the object table too.
bool CreatesOtherObject(uint16_t function) {
    return function == 247 || function == 322 || function == 505 || function == 763 || function == 765 ||
           function == 1791;
}

constexpr uint16_t kNullPen = 5;
constexpr uint16_t kNullBrush = 1;
constexpr uint16_t kAlternateFill = 1;

// The parameters of one record, 16-bit words, each read checked against the record's size.
class Record {
public:
    Record(const ByteSource& b, uint64_t start, uint64_t words) : b_(b), start_(start), words_(words) {}
    int16_t Word(uint64_t i) const {
        if (i >= words_) throw FormatError("metafile record too short");
        return b_.S16LE(start_ + 2 * i);
    }
    uint8_t Byte(uint64_t i) const {
        if (i >= words_ * 2) throw FormatError("metafile record too short");
        return b_.U8(start_ + i);
    }

private:
    const ByteSource& b_;
    uint64_t start_;
    uint64_t words_;
};

struct GdiObject {
    char kind = 0;  // 'P' pen, 'B' brush, 'D' other, 0 a free slot
    uint16_t style = 0;
    int16_t width = 0;
    uint8_t rgb[3] = {0, 0, 0};
};

std::string ColorText(const uint8_t rgb[3]) {
    return FormatNum(rgb[0] / 255.0f) + " " + FormatNum(rgb[1] / 255.0f) + " " + FormatNum(rgb[2] / 255.0f);
}

const char* DashOf(uint16_t style) {
    switch (style) {
        case 1: return "[3 1] 0 d";
        case 2: return "[0.5 0.5] 0 d";
        case 3: return "[2 1 0.5 1] 0 d";
        case 4: return "[2 1 0.5 1 0.5 1] 0 d";
        default: return "[ ] 0 d";
    }
}

class WmfPlayer {
public:
    WmfPlayer(VectorTarget target, float naturalWidth, float naturalHeight)
        : target_(target), naturalWidth_(naturalWidth), naturalHeight_(naturalHeight) {}

    void Play(uint16_t function, const Record& r) {
        switch (function) {
            case kSetWindowOrg: originY_ = r.Word(0); originX_ = r.Word(1); break;
            case kSetWindowExt: SetExtent(r.Word(1), r.Word(0)); break;
            case kCreatePen: Create({'P', static_cast<uint16_t>(r.Word(0) & 0x0F), r.Word(1), {r.Byte(6), r.Byte(7), r.Byte(8)}}); break;
            case kCreateBrush: Create({'B', static_cast<uint16_t>(r.Word(0)), 0, {r.Byte(2), r.Byte(3), r.Byte(4)}}); break;
            case kSelectObject: Select(r.Word(0)); break;
            case kDeleteObject: Delete(r.Word(0)); break;
            case kSetPolyFillMode: fillMode_ = static_cast<uint16_t>(r.Word(0)); break;
            case kPolygon: Polygons(r, false, false); break;
            case kPolyline: Polygons(r, false, true); break;
            case kPolyPolygon: Polygons(r, true, false); break;
            default:
                if (CreatesOtherObject(function)) Create({'D', 0, 0, {0, 0, 0}});
                break;
        }
    }

    std::vector<std::string> lines{"q"};

private:
    void SetExtent(int16_t width, int16_t height) {
        if (width == 0 || height == 0) throw FormatError("metafile window extent");
        const float natW = naturalWidth_ > 0 ? naturalWidth_ : static_cast<float>(width < 0 ? -width : width);
        const float natH = naturalHeight_ > 0 ? naturalHeight_ : static_cast<float>(height < 0 ? -height : height);
        const VectorTarget t = ResolveSize(target_, natW, natH);
        lines.push_back(FormatNum(t.width / width) + " 0 0 " + FormatNum(t.height / height) + " " + FormatNum(t.x) +
                        " " + FormatNum(t.y) + " cm");
        lines.push_back("1 0 0 1 " + FormatNum(static_cast<float>(-originX_)) + " " +
                        FormatNum(static_cast<float>(-originY_)) + " cm");
    }

    void Create(const GdiObject& object) {
        for (auto& slot : objects_) {
            if (slot.kind == 0) {
                slot = object;
                return;
            }
        }
        objects_.push_back(object);
    }

    void Select(int16_t index) {
        if (index < 0 || static_cast<size_t>(index) >= objects_.size()) return;
        const GdiObject& o = objects_[static_cast<size_t>(index)];
        if (o.kind == 'P') {
            pen_ = o.style != kNullPen;
            lines.push_back(ColorText(o.rgb) + " RG");
            lines.push_back(FormatNum(o.width) + " w");
            if (pen_) lines.push_back(DashOf(o.style));
        } else if (o.kind == 'B') {
            brush_ = o.style != kNullBrush;
            lines.push_back(ColorText(o.rgb) + " rg");
        }
    }

    void Delete(int16_t index) {
        if (index >= 0 && static_cast<size_t>(index) < objects_.size()) objects_[static_cast<size_t>(index)].kind = 0;
    }

    const char* PaintOperator(bool open) const {
        if (open) return pen_ ? "S" : "n";
        const bool alternate = fillMode_ == kAlternateFill;
        if (brush_ && pen_) return alternate ? "b*" : "b";
        if (brush_) return alternate ? "f*" : "f";
        return pen_ ? "s" : "n";
    }

    // One point list (its size, then the points), or several (their number, their sizes, then
    // all the points), painted as one path.
    void Polygons(const Record& r, bool several, bool open) {
        const int32_t count = several ? r.Word(0) : 1;
        const uint64_t sizesAt = several ? 1 : 0;
        uint64_t first = sizesAt + static_cast<uint64_t>(count > 0 ? count : 0);
        std::string path;
        for (int32_t poly = 0; poly < count; ++poly) {
            const int16_t points = r.Word(sizesAt + static_cast<uint64_t>(poly));
            for (int16_t i = 0; i < points; ++i) {
                const uint64_t at = first + 2 * static_cast<uint64_t>(i);
                path += std::to_string(r.Word(at)) + " " + std::to_string(r.Word(at + 1)) + (i == 0 ? " m\r" : " l\r");
            }
            first += 2 * static_cast<uint64_t>(points > 0 ? points : 0);
        }
        if (path.empty()) return;
        path.pop_back();
        lines.push_back(path);
        lines.push_back(PaintOperator(open));
    }

    VectorTarget target_;
    float naturalWidth_;
    float naturalHeight_;
    int16_t originX_ = 0;
    int16_t originY_ = 0;
    std::vector<GdiObject> objects_;
    bool pen_ = true;    // the default pen is black and solid
    bool brush_ = true;  // the default brush is white and solid
    uint16_t fillMode_ = kAlternateFill;
};

}  // namespace

std::vector<std::string> PlayWmf(std::string_view file, VectorTarget target) {
    const ByteSource b(file);
    uint64_t pos = 0;
    float naturalWidth = 0;
    float naturalHeight = 0;
    if (b.Has(0, 4) && b.U32LE(0) == kPlaceableKey) {
        // The placeable header's bounding box in logical units and its units per inch.
        const float perInch = b.U16LE(14);
        if (perInch > 0) {
            naturalWidth = static_cast<float>(b.S16LE(10) - b.S16LE(6)) * 72 / perInch;
            naturalHeight = static_cast<float>(b.S16LE(12) - b.S16LE(8)) * 72 / perInch;
        }
        pos = kPlaceableHeaderSize;
    }
    b.Require(pos, kStandardHeaderSize, "metafile header");
    pos += kStandardHeaderSize;
    WmfPlayer player(target, naturalWidth < 0 ? -naturalWidth : naturalWidth,
                     naturalHeight < 0 ? -naturalHeight : naturalHeight);
    while (b.Has(pos, 6)) {
        const uint64_t words = b.U32LE(pos);
        const uint16_t function = b.U16LE(pos + 4);
        if (words < 3) throw FormatError("metafile record size");
        b.Require(pos, words * 2, "metafile record");
        if (function == kEndOfFile) break;
        player.Play(function, Record(b, pos + 6, words - 3));
        pos += words * 2;
    }
    player.lines.push_back("Q");
    return player.lines;
}

}  // namespace folivo::image
