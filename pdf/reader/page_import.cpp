#include "pdf/reader/page_import.hpp"

#include <algorithm>
#include <deque>
#include <map>

#include "pdf/codec/inflate.hpp"
#include "pdf/reader/serialize.hpp"
#include "pdf/text/windows1252.hpp"

namespace folivo::reader {
namespace {

// US Letter, for pages that name no media box anywhere up their tree.
constexpr double kDefaultBox[4] = {0, 0, 612, 792};

// Copies objects reached from resources: each source object once, through a work queue so deep
// or cyclic references cost no recursion. Pages are never copied (a reference to one is null).
class ObjectCopier {
public:
    ObjectCopier(SourceFile& source, const ObjectOutput& output) : source_(source), output_(output) {}

    ValueWriter WriterFor(int32_t outputNumber) {
        ValueWriter writer;
        writer.reference = [this](const Value& ref) { return Reference(ref.integer); };
        writer.string = [this, outputNumber](const std::string& bytes) { return output_.encipher(outputNumber, bytes); };
        return writer;
    }

    void WritePending() {
        while (!pending_.empty()) {
            const auto [from, to] = pending_.front();
            pending_.pop_front();
            const IndirectObject& object = source_.document->Object(from);
            const ValueWriter writer = WriterFor(to);
            if (!object.isStream) {
                output_.write(to, writer.Write(object.value));
                continue;
            }
            const std::string data = output_.encipher(to, object.data);
            output_.write(to, "<<" + writer.WriteEntries(object.value, true) + " /Length " + std::to_string(data.size()) +
                                  " >>\nstream\r\n" + data + "\r\nendstream");
        }
    }

private:
    std::string Reference(int64_t from) {
        Document& doc = *source_.document;
        if (!doc.Has(from)) return "null";
        if (auto it = source_.copies.find(from); it != source_.copies.end()) return std::to_string(it->second) + " 0 R";
        const Value* type = doc.Object(from).value.Find("Type");
        if (type != nullptr && (type->IsName("Page") || type->IsName("Pages"))) return "null";
        const int32_t to = output_.reserve();
        source_.copies.emplace(from, to);
        pending_.emplace_back(from, to);
        return std::to_string(to) + " 0 R";
    }

    SourceFile& source_;
    const ObjectOutput& output_;
    std::deque<std::pair<int64_t, int32_t>> pending_;
};

struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// Six decimals at most, trailing zeros dropped.
std::string FormatNumber(double v) {
    std::string digits = std::to_string(v);
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.back() == '.') digits.pop_back();
    return digits == "-0" ? "0" : digits;
}

// A page rectangle attribute (inherited), as four numbers in lower-left, upper-right order.
bool ReadBox(Document& doc, int64_t page, const char* key, Box& box) {
    const Value* found = doc.Inherited(page, key);
    if (found == nullptr) return false;
    const Value& array = doc.Resolve(*found);
    if (array.items.size() != 4) throw ReadError(std::string("page ") + key + " is not four numbers");
    double v[4];
    for (size_t i = 0; i < 4; ++i) v[i] = doc.Resolve(array.items[i]).Number();
    box = {std::min(v[0], v[2]), std::min(v[1], v[3]), std::max(v[0], v[2]), std::max(v[1], v[3])};
    return true;
}

// What a viewer shows of the page: the crop box within the media box (the media box when the
// page names no crop box), and the page's quarter turns clockwise.
struct VisiblePage {
    Box box;
    int quarterTurns = 0;
};

VisiblePage ReadVisiblePage(Document& doc, int64_t page) {
    VisiblePage visible;
    visible.box = {kDefaultBox[0], kDefaultBox[1], kDefaultBox[2], kDefaultBox[3]};
    ReadBox(doc, page, "MediaBox", visible.box);
    if (Box crop; ReadBox(doc, page, "CropBox", crop)) {
        visible.box = {std::max(crop.x0, visible.box.x0), std::max(crop.y0, visible.box.y0),
                       std::min(crop.x1, visible.box.x1), std::min(crop.y1, visible.box.y1)};
    }
    if (visible.box.x1 <= visible.box.x0 || visible.box.y1 <= visible.box.y0) throw ReadError("page media box is empty");
    if (const Value* rotate = doc.Inherited(page, "Rotate")) {
        const Value& turns = doc.Resolve(*rotate);
        if (turns.Is(Value::Kind::Integer) && turns.integer % 90 == 0) visible.quarterTurns = static_cast<int>(((turns.integer / 90) % 4 + 4) % 4);
    }
    return visible;
}

// Where the caller places the form: the box itself, or for a turned page the upright box at the
// origin, with the /Matrix that turns the box clockwise onto it, as a viewer shows the page.
void PlaceForm(const VisiblePage& page, ImportedForm& form) {
    const Box& b = page.box;
    if (page.quarterTurns == 0) {
        form.x0 = b.x0, form.y0 = b.y0, form.x1 = b.x1, form.y1 = b.y1;
        return;
    }
    const double turns[3][6] = {{0, -1, 1, 0, -b.y0, b.x1}, {-1, 0, 0, -1, b.x1, b.y1}, {0, 1, -1, 0, b.y1, -b.x0}};
    std::copy(turns[page.quarterTurns - 1], turns[page.quarterTurns - 1] + 6, form.matrix);
    const bool sideways = page.quarterTurns % 2 == 1;
    form.x0 = 0, form.y0 = 0;
    form.x1 = sideways ? b.y1 - b.y0 : b.x1 - b.x0;
    form.y1 = sideways ? b.x1 - b.x0 : b.y1 - b.y0;
}

struct FormContent {
    std::string bytes;
    std::string filterLines;  // "   /Filter ..." and "   /DecodeParms ..." lines, each ending in "\n"
};

// A single stream keeps its bytes and filter; an array of streams is decoded and joined.
FormContent ReadContent(Document& doc, int64_t page, const ValueWriter& writer) {
    FormContent content;
    const Value* entry = doc.Inherited(page, "Contents");
    if (entry == nullptr) return content;
    if (entry->Is(Value::Kind::Reference) && doc.Object(entry->integer).isStream) {
        const IndirectObject& stream = doc.Object(entry->integer);
        content.bytes = stream.data;
        for (const char* key : {"Filter", "DecodeParms"}) {
            if (const Value* v = stream.value.Find(key))
                content.filterLines += std::string("   /") + key + " " + writer.Write(doc.Resolve(*v)) + "\n";
        }
        return content;
    }
    // Parts are joined decoded. A stream listed again is decoded once, and the joined content is
    // held to one stream's limit, so a small file that lists one stream many times costs no more.
    std::map<int64_t, std::string> decoded;
    for (const Value& part : doc.Resolve(*entry).items) {
        if (!part.Is(Value::Kind::Reference) || !doc.Object(part.integer).isStream) continue;
        auto [it, added] = decoded.try_emplace(part.integer);
        if (added) it->second = doc.DecodedStream(doc.Object(part.integer));
        if (content.bytes.size() + 1 + it->second.size() > codec::kInflateLimit)
            throw ReadError("page contents larger than " + std::to_string(codec::kInflateLimit >> 20) + " MB");
        if (!content.bytes.empty()) content.bytes += "\n";
        content.bytes += it->second;
    }
    return content;
}

std::string BoxText(const Box& box) {
    std::string text = "[";
    for (double v : {box.x0, box.y0, box.x1, box.y1}) text += FormatNumber(v) + " ";
    return text + "]";
}

// Information strings are PDFDocEncoding or UTF-16BE with a byte-order mark; both end up in
// Windows-1252, characters outside it as "?".
std::string InfoText(Document& doc, const Value& info, const char* key) {
    const Value* found = info.Find(key);
    if (found == nullptr) return "";
    const Value& value = doc.Resolve(*found);
    if (!value.Is(Value::Kind::String)) return "";
    const std::string& s = value.text;
    if (s.size() < 2 || static_cast<unsigned char>(s[0]) != 0xFE || static_cast<unsigned char>(s[1]) != 0xFF) return s;
    std::string utf8;
    for (size_t i = 2; i + 1 < s.size(); i += 2)
        text::AppendUtf8(utf8, static_cast<char32_t>((static_cast<unsigned char>(s[i]) << 8) | static_cast<unsigned char>(s[i + 1])));
    return text::Utf8ToWindows1252(utf8);
}

}  // namespace

ImportedForm ImportPageForm(SourceFile& source, int32_t pageNumber, const ObjectOutput& output) {
    Document& doc = *source.document;
    const int64_t page = doc.Pages().at(static_cast<size_t>(pageNumber - 1));
    ImportedForm form;
    const VisiblePage visible = ReadVisiblePage(doc, page);
    PlaceForm(visible, form);
    if (auto it = source.forms.find(pageNumber); it != source.forms.end()) {
        form.object = it->second;
        return form;
    }
    form.object = output.reserve();
    ObjectCopier copier(source, output);
    const ValueWriter writer = copier.WriterFor(form.object);
    const Value* resources = doc.Inherited(page, "Resources");
    const std::string resourceText = resources != nullptr ? writer.Write(*resources) : "<< >>";
    FormContent content = ReadContent(doc, page, writer);
    copier.WritePending();
    std::string body = "<< /Type /XObject /Subtype /Form /FormType 1\n   /BBox " + BoxText(visible.box) + "\n";
    if (visible.quarterTurns != 0) {
        body += "   /Matrix [";
        for (size_t i = 0; i < 6; ++i) body += (i == 0 ? "" : " ") + FormatNumber(form.matrix[i]);
        body += "]\n";
    }
    body += "   /Resources " + resourceText + "\n";
    if (content.bytes.empty()) {
        body += "   /Length 0\n>>\nstream\r\nendstream";
    } else {
        const std::string data = output.encipher(form.object, content.bytes);
        body += "   /Length " + std::to_string(data.size()) + "\n" + content.filterLines + ">>\nstream\r\n" + data +
                "\rendstream";
    }
    output.write(form.object, body);
    source.forms.emplace(pageNumber, form.object);
    return form;
}

DocumentInfo ReadDocumentInfo(Document& document) {
    DocumentInfo result;
    result.encrypted = document.Encrypted();
    if (result.encrypted && !document.Deciphered()) return result;
    if (const Value* infoRef = document.Trailer().Find("Info")) {
        const Value& info = document.Resolve(*infoRef);
        result.title = InfoText(document, info, "Title");
        result.subject = InfoText(document, info, "Subject");
        result.author = InfoText(document, info, "Author");
        result.creator = InfoText(document, info, "Creator");
        result.producer = InfoText(document, info, "Producer");
    }
    const Value* root = document.Trailer().Find("Root");
    if (root == nullptr) throw ReadError("trailer has no \"/Root\"");
    const Value* pages = document.Resolve(*root).Find("Pages");
    const Value* count = pages != nullptr ? document.Resolve(*pages).Find("Count") : nullptr;
    if (count != nullptr && document.Resolve(*count).Is(Value::Kind::Integer) && document.Resolve(*count).integer >= 0) {
        result.pages = static_cast<int32_t>(std::min<int64_t>(document.Resolve(*count).integer, INT32_MAX));
    } else {
        result.pages = static_cast<int32_t>(document.Pages().size());
    }
    return result;
}

}  // namespace folivo::reader
