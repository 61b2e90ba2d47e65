#include "pdf/image/wmf_player.hpp"

#include <cmath>
#include <numbers>
#include <cstdint>

#include "pdf/core/number_format.hpp"
#include "pdf/core/string_format.hpp"
#include "pdf/image/byte_source.hpp"
#include "pdf/image/dib.hpp"
#include "pdf/image/wmf_geometry.hpp"

namespace folivo::image {

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;  // bytes 215, 205, 198, 154
constexpr uint64_t kPlaceableHeaderSize = 22;
constexpr uint64_t kStandardHeaderSize = 18;
constexpr size_t kMaxSavedStates = 256;
constexpr size_t kMaxObjects = 65536;
constexpr uint64_t kMaxContentBytes = uint64_t{64} << 20;

enum Function : uint16_t {
    kEndOfFile = 0x0000,
    kSaveDc = 0x001E,
    kSetPolyFillMode = 0x0106,
    kSetTextAlign = 0x012E,
    kRestoreDc = 0x0127,
    kSelectObject = 0x012D,
    kDeleteObject = 0x01F0,
    kSetBkColor = 0x0201,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kCreatePen = 0x02FA,
    kCreateFont = 0x02FB,
    kCreateBrush = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kTextOut = 0x0521,
    kPolyPolygon = 0x0538,
    kRoundRect = 0x061C,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kDibBitBlt = 0x0940,
    kExtTextOut = 0x0A32,
    kDibStretchBlt = 0x0B41,
    kSetDiBitsToDevice = 0x0D33,
    kStretchDib = 0x0F43,
};

// Records that create an object other than a pen, brush or font (palette, pattern brushes,
// region): they take a slot of the object table too.
bool CreatesOtherObject(uint16_t function) {
    return function == 0x00F7 || function == 0x0142 || function == 0x01F9 || function == 0x06FF;
}

constexpr uint16_t kNullPen = 5;
constexpr uint16_t kNullBrush = 1;
constexpr uint16_t kAlternateFill = 1;
constexpr uint16_t kPaletteColors = 1;  // a bitmap whose colours are palette indices

// Text alignment flags.
constexpr uint16_t kAlignUpdateCp = 1;
constexpr uint16_t kAlignHorizontal = 6;  // 0 left, 2 right, 6 centre
constexpr uint16_t kAlignVertical = 24;   // 0 top, 8 bottom, 24 baseline
constexpr double kAscent = 0.8;           // of the font height, from the top to the baseline
constexpr double kDescent = 0.2;

// ExtTextOut options: the rectangle that follows is filled with the background colour / clips.
constexpr uint16_t kTextOpaque = 2;
constexpr uint16_t kTextClipped = 4;

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
    // Bytes from byte `i` to the end of the record.
    std::string_view Rest(uint64_t i) const {
        if (i > words_ * 2) throw FormatError("metafile record too short");
        return b_.Bytes(start_ + i, words_ * 2 - i);
    }
    std::string_view Bytes(uint64_t i, uint64_t n) const {
        if (i > words_ * 2 || n > words_ * 2 - i) throw FormatError("metafile record too short");
        return b_.Bytes(start_ + i, n);
    }
    uint64_t words() const { return words_; }

private:
    const ByteSource& b_;
    uint64_t start_;
    uint64_t words_;
};

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};

Rgb ColorAt(const Record& r, uint64_t byte) { return {r.Byte(byte), r.Byte(byte + 1), r.Byte(byte + 2)}; }

std::string ColorText(Rgb c) {
    return FormatNum(c.r / 255.0f) + " " + FormatNum(c.g / 255.0f) + " " + FormatNum(c.b / 255.0f);
}

std::string Num(double v) { return FormatNum(static_cast<float>(v)); }

struct Font {
    double height = 12;  // logical units
    double escapement = 0;  // tenths of a degree, counter-clockwise
    bool bold = false;
    bool italic = false;
    std::string face;
};

struct GdiObject {
    char kind = 0;  // 'P' pen, 'B' brush, 'F' font, 'D' other, 0 a free slot
    uint16_t style = 0;
    int16_t width = 0;
    Rgb rgb;
    Font font;
};

const char* DashOf(uint16_t style) {
    switch (style) {
        case 1: return "[3 1] 0 d";
        case 2: return "[0.5 0.5] 0 d";
        case 3: return "[2 1 0.5 1] 0 d";
        case 4: return "[2 1 0.5 1 0.5 1] 0 d";
        default: return "[ ] 0 d";
    }
}

// What SaveDC keeps and RestoreDC brings back besides the content's own graphics state.
struct DcState {
    bool pen = true;    // the default pen is black and solid
    bool brush = true;  // the default brush is white and solid
    uint16_t fillMode = kAlternateFill;
    Font font;
    Rgb textColor;
    Rgb background{255, 255, 255};
    uint16_t textAlign = 0;
    double x = 0, y = 0;  // current position
    double signX = 1, signY = 1;  // signs of the window extent: which way is up on the page
};

class WmfPlayer {
public:
    WmfPlayer(VectorTarget target, float naturalWidth, float naturalHeight, PictureHost& host)
        : target_(target), naturalWidth_(naturalWidth), naturalHeight_(naturalHeight), host_(host) {}

    void Play(uint16_t function, const Record& r) {
        switch (function) {
            case kSetWindowOrg: originY_ = r.Word(0); originX_ = r.Word(1); break;
            case kSetWindowExt: SetExtent(r.Word(1), r.Word(0)); break;
            case kCreatePen: Create({'P', static_cast<uint16_t>(r.Word(0) & 0x0F), r.Word(1), ColorAt(r, 6), {}}); break;
            case kCreateBrush: Create({'B', static_cast<uint16_t>(r.Word(0)), 0, ColorAt(r, 2), {}}); break;
            case kCreateFont: Create({'F', 0, 0, {}, FontOf(r)}); break;
            case kSelectObject: Select(r.Word(0)); break;
            case kDeleteObject: Delete(r.Word(0)); break;
            case kSetPolyFillMode: dc_.fillMode = static_cast<uint16_t>(r.Word(0)); break;
            case kSetTextColor: dc_.textColor = ColorAt(r, 0); break;
            case kSetBkColor: dc_.background = ColorAt(r, 0); break;
            case kSetTextAlign: dc_.textAlign = static_cast<uint16_t>(r.Word(0)); break;
            case kSaveDc: SaveDc(); break;
            case kRestoreDc: RestoreDc(r.Word(0)); break;
            case kMoveTo: dc_.y = r.Word(0); dc_.x = r.Word(1); break;
            case kLineTo: LineTo(r.Word(1), r.Word(0)); break;
            case kPolygon: Polygons(r, false, false); break;
            case kPolyline: Polygons(r, false, true); break;
            case kPolyPolygon: Polygons(r, true, false); break;
            case kRectangle: Shape(RectanglePath(BoxAt(r, 0))); break;
            case kRoundRect: Shape(RoundRectPath(BoxAt(r, 2), r.Word(1), r.Word(0))); break;
            case kEllipse: Shape(EllipsePath(BoxAt(r, 0))); break;
            case kArc: Arc(r, ArcKind::kArc); break;
            case kPie: Arc(r, ArcKind::kPie); break;
            case kChord: Arc(r, ArcKind::kChord); break;
            case kTextOut: TextOut(r); break;
            case kExtTextOut: ExtTextOut(r); break;
            case kStretchDib: Bitmap(r, 7, 11, r.Word(2)); break;
            case kDibStretchBlt: if (r.words() > 11) Bitmap(r, 6, 10, 0); break;  // 11 words: no bitmap
            case kDibBitBlt: if (r.words() > 9) Bitmap(r, 4, 8, 0); break;  // 9 words: no bitmap
            case kSetDiBitsToDevice: Bitmap(r, 5, 9, r.Word(0)); break;
            default:
                if (CreatesOtherObject(function)) Create({'D', 0, 0, {}, {}});
                break;
        }
    }

    std::vector<std::string> Finish() {
        while (!saved_.empty()) RestoreDc(-1);
        Emit("Q");
        return std::move(lines_);
    }

private:
    void Emit(std::string line) {
        bytes_ += line.size() + 1;
        if (bytes_ > kMaxContentBytes) throw FormatError("metafile draws more than 64 MB of content");
        lines_.push_back(std::move(line));
    }

    void SetExtent(int16_t width, int16_t height) {
        if (width == 0 || height == 0) throw FormatError("metafile window extent");
        const float natW = naturalWidth_ > 0 ? naturalWidth_ : static_cast<float>(std::abs(width));
        const float natH = naturalHeight_ > 0 ? naturalHeight_ : static_cast<float>(std::abs(height));
        const VectorTarget t = ResolveSize(target_, natW, natH);
        Emit(FormatNum(t.width / width) + " 0 0 " + FormatNum(t.height / height) + " " + FormatNum(t.x) + " " +
             FormatNum(t.y) + " cm");
        Emit("1 0 0 1 " + FormatNum(static_cast<float>(-originX_)) + " " + FormatNum(static_cast<float>(-originY_)) +
             " cm");
        dc_.signX = width < 0 ? -1 : 1;
        dc_.signY = height < 0 ? -1 : 1;
    }

    static Font FontOf(const Record& r) {
        Font f;
        f.height = std::abs(r.Word(0));
        if (f.height == 0) f.height = 12;
        f.escapement = r.Word(2);
        f.bold = r.Word(4) >= 600;
        f.italic = r.Byte(10) != 0;
        const std::string_view face = r.Bytes(18, std::min<uint64_t>(32, r.words() * 2 - 18));
        f.face = std::string(face.substr(0, face.find('\0')));
        return f;
    }

    void Create(const GdiObject& object) {
        for (auto& slot : objects_) {
            if (slot.kind == 0) {
                slot = object;
                return;
            }
        }
        if (objects_.size() >= kMaxObjects) throw FormatError("metafile object table full");
        objects_.push_back(object);
    }

    void Select(int16_t index) {
        if (index < 0 || static_cast<size_t>(index) >= objects_.size()) return;
        const GdiObject& o = objects_[static_cast<size_t>(index)];
        if (o.kind == 'P') {
            dc_.pen = o.style != kNullPen;
            Emit(ColorText(o.rgb) + " RG");
            Emit(FormatNum(o.width) + " w");
            if (dc_.pen) Emit(DashOf(o.style));
        } else if (o.kind == 'B') {
            dc_.brush = o.style != kNullBrush;
            Emit(ColorText(o.rgb) + " rg");
        } else if (o.kind == 'F') {
            dc_.font = o.font;
        }
    }

    void Delete(int16_t index) {
        if (index >= 0 && static_cast<size_t>(index) < objects_.size()) objects_[static_cast<size_t>(index)].kind = 0;
    }

    void SaveDc() {
        if (saved_.size() >= kMaxSavedStates) throw FormatError("metafile saves too many states");
        saved_.push_back(dc_);
        Emit("q");
    }

    // A negative level counts back from the last saved state, a positive one names it from the first.
    void RestoreDc(int16_t level) {
        const int64_t n = static_cast<int64_t>(saved_.size());
        const int64_t keep = level < 0 ? n + level : level - 1;
        if (keep < 0 || keep >= n) return;
        while (static_cast<int64_t>(saved_.size()) > keep) {
            dc_ = saved_.back();
            saved_.pop_back();
            Emit("Q");
        }
    }

    const char* PaintOperator(bool open) const {
        if (open) return dc_.pen ? "S" : "n";
        const bool alternate = dc_.fillMode == kAlternateFill;
        if (dc_.brush && dc_.pen) return alternate ? "b*" : "b";
        if (dc_.brush) return alternate ? "f*" : "f";
        return dc_.pen ? "s" : "n";
    }

    static WmfBox BoxAt(const Record& r, uint64_t first) {
        return {static_cast<double>(r.Word(first + 3)), static_cast<double>(r.Word(first + 2)),
                static_cast<double>(r.Word(first + 1)), static_cast<double>(r.Word(first))};
    }

    void Shape(const std::string& path) {
        Emit(path);
        Emit(PaintOperator(false));
    }

    void LineTo(double x, double y) {
        Emit(Num(dc_.x) + " " + Num(dc_.y) + " m\n" + Num(x) + " " + Num(y) + " l");
        Emit(PaintOperator(true));
        dc_.x = x;
        dc_.y = y;
    }

    // Arc records: the end point, the start point, then the ellipse's box.
    void Arc(const Record& r, ArcKind kind) {
        Emit(ArcPath(BoxAt(r, 4), r.Word(3), r.Word(2), r.Word(1), r.Word(0), kind));
        Emit(PaintOperator(kind == ArcKind::kArc));
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
                path += std::to_string(r.Word(at)) + " " + std::to_string(r.Word(at + 1)) + (i == 0 ? " m\n" : " l\n");
            }
            first += 2 * static_cast<uint64_t>(points > 0 ? points : 0);
        }
        if (path.empty()) return;
        path.pop_back();
        Emit(path);
        Emit(PaintOperator(open));
    }

    // TextOut: the string's length, the string (padded to a word), then y and x.
    void TextOut(const Record& r) {
        const uint64_t length = static_cast<uint16_t>(r.Word(0));
        const uint64_t words = (length + 1) / 2;
        DrawText(std::string(r.Bytes(2, length)), r.Word(2 + words), r.Word(1 + words));
    }

    // ExtTextOut: y, x, the string's length, options, a rectangle when the options name one, the string.
    void ExtTextOut(const Record& r) {
        const double y = r.Word(0), x = r.Word(1);
        const uint64_t length = static_cast<uint16_t>(r.Word(2));
        const uint16_t options = static_cast<uint16_t>(r.Word(3));
        uint64_t at = 8;
        if (options & (kTextOpaque | kTextClipped)) {
            if (options & kTextOpaque) {
                const WmfBox box{static_cast<double>(r.Word(4)), static_cast<double>(r.Word(5)),
                                 static_cast<double>(r.Word(6)), static_cast<double>(r.Word(7))};
                Emit("q " + ColorText(dc_.background) + " rg\n" + RectanglePath(box) + " f Q");
            }
            at += 8;
        }
        DrawText(std::string(r.Bytes(at, length)), x, y);
    }

    // Text in the nearest standard font, at the selected font's height, placed by the alignment
    // flags and turned by the font's escapement; upright on the page whichever way the window's
    // axes run.
    void DrawText(const std::string& text, double x, double y) {
        if (text.empty()) return;
        const Font& f = dc_.font;
        const std::string font = host_.StandardFont(f.face, f.bold, f.italic);
        const double width = host_.TextWidth(f.face, f.bold, f.italic, text) * f.height;
        if (dc_.textAlign & kAlignUpdateCp) {
            x = dc_.x;
            y = dc_.y;
        }
        const double angle = f.escapement / 10 * std::numbers::pi / 180;
        const double cosA = std::cos(angle), sinA = std::sin(angle);
        // Text space's x and up directions in logical units, one font height long.
        const double ax = f.height * cosA * dc_.signX, ay = -f.height * sinA * dc_.signY;
        const double ux = -f.height * sinA * dc_.signX, uy = -f.height * cosA * dc_.signY;
        double along = 0;
        const uint16_t horizontal = dc_.textAlign & kAlignHorizontal;
        if (horizontal == 2) along = -width / f.height;
        if (horizontal == 6) along = -width / f.height / 2;
        double up = 0;
        const uint16_t vertical = dc_.textAlign & kAlignVertical;
        if (vertical == 0) up = -kAscent;
        if (vertical == 8) up = kDescent;
        const double ox = x + along * ax + up * ux, oy = y + along * ay + up * uy;
        Emit("q " + ColorText(dc_.textColor) + " rg BT " + font + " 1 Tf " + Num(ax) + " " + Num(ay) + " " + Num(ux) +
             " " + Num(uy) + " " + Num(ox) + " " + Num(oy) + " Tm (" + EscapeString(text) + ") Tj ET Q");
        if (dc_.textAlign & kAlignUpdateCp) dc_.x += width * dc_.signX;
    }

    // A bitmap record: the destination's height, width, y and x at word `dest`, the bitmap from
    // word `dib` on; the whole bitmap fills the destination.
    void Bitmap(const Record& r, uint64_t dest, uint64_t dib, int16_t colorUsage) {
        if (colorUsage == kPaletteColors) throw FormatError("metafile bitmap with palette indices");
        const double h = r.Word(dest), w = r.Word(dest + 1), y = r.Word(dest + 2), x = r.Word(dest + 3);
        const std::string_view bits = r.Rest(2 * dib);
        const std::string name = host_.Bitmap(++bitmaps_, [&] { return ReadDib(bits); });
        Emit("q " + Num(w) + " 0 0 " + Num(h) + " " + Num(x) + " " + Num(y) + " cm " + name + " Do Q");
    }

    VectorTarget target_;
    float naturalWidth_;
    float naturalHeight_;
    PictureHost& host_;
    int16_t originX_ = 0;
    int16_t originY_ = 0;
    std::vector<GdiObject> objects_;
    DcState dc_;
    std::vector<DcState> saved_;
    int32_t bitmaps_ = 0;
    std::vector<std::string> lines_{"q"};
    uint64_t bytes_ = 0;
};

}  // namespace

std::vector<std::string> PlayWmf(std::string_view file, VectorTarget target, PictureHost& host) {
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
    WmfPlayer player(target, std::fabs(naturalWidth), std::fabs(naturalHeight), host);
    std::string damage;
    while (b.Has(pos, 6)) {
        const uint64_t words = b.U32LE(pos);
        const uint16_t function = b.U16LE(pos + 4);
        if (words < 3 || !b.Has(pos, words * 2)) {
            damage = FormatError("metafile record past the end of the file").what();
            break;
        }
        if (function == kEndOfFile) break;
        try {
            player.Play(function, Record(b, pos + 6, words - 3));
        } catch (const Error& e) {
            // A damaged record is skipped; the records after it are still drawn.
            if (damage.empty()) damage = e.what();
        }
        pos += words * 2;
    }
    if (!damage.empty()) host.Damaged(damage);
    return player.Finish();
}

}  // namespace folivo::image
