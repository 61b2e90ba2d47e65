#include "pdf/reader/page_links.hpp"

#include <algorithm>
#include <cmath>

#include "pdf/reader/serialize.hpp"

namespace folivo::reader {

namespace {

constexpr int kMaxNameTreeDepth = 32;
constexpr size_t kMaxNameTreeNodes = 100000;

// Plain numbers only: the entries copied for a link's look hold no strings or references.
bool AllNumbers(Document& doc, const Value& array) {
    if (!array.Is(Value::Kind::Array) || array.items.size() > 8) return false;
    return std::all_of(array.items.begin(), array.items.end(), [&](const Value& v) {
        const Value& n = doc.Resolve(v);
        return n.Is(Value::Kind::Integer) || n.Is(Value::Kind::Real);
    });
}

std::string Appearance(Document& doc, const Value& annot) {
    ValueWriter writer;
    writer.reference = [](const Value&) { return std::string("null"); };
    writer.string = [](const std::string& bytes) { return bytes; };
    std::string text;
    for (const char* key : {"Border", "C"}) {
        const Value* v = annot.Find(key);
        if (v != nullptr && AllNumbers(doc, doc.Resolve(*v))) text += std::string(" /") + key + " " + writer.Write(doc.Resolve(*v));
    }
    if (const Value* h = annot.Find("H"); h != nullptr && doc.Resolve(*h).Is(Value::Kind::Name))
        text += " /H " + writer.Write(doc.Resolve(*h));
    return text;
}

// A name tree's value for `key` (the /Names /Dests tree of newer files), searched within bounds.
const Value* NameTreeFind(Document& doc, const Value& node, const std::string& key, int depth, size_t& visited) {
    if (depth > kMaxNameTreeDepth || ++visited > kMaxNameTreeNodes) return nullptr;
    if (const Value* names = node.Find("Names")) {
        const Value& list = doc.Resolve(*names);
        for (size_t i = 0; i + 1 < list.items.size(); i += 2) {
            const Value& name = doc.Resolve(list.items[i]);
            if (name.Is(Value::Kind::String) && name.text == key) return &list.items[i + 1];
        }
    }
    if (const Value* kids = node.Find("Kids")) {
        for (const Value& kid : doc.Resolve(*kids).items) {
            if (const Value* found = NameTreeFind(doc, doc.Resolve(kid), key, depth + 1, visited)) return found;
        }
    }
    return nullptr;
}

// A named destination: a name looks in the catalog's /Dests, a string in its /Names /Dests tree.
const Value* NamedDestination(Document& doc, const Value& name) {
    const Value* root = doc.Trailer().Find("Root");
    if (root == nullptr) return nullptr;
    const Value& catalog = doc.Resolve(*root);
    if (name.Is(Value::Kind::Name)) {
        const Value* dests = catalog.Find("Dests");
        return dests != nullptr ? doc.Resolve(*dests).Find(name.text) : nullptr;
    }
    const Value* names = catalog.Find("Names");
    const Value* tree = names != nullptr ? doc.Resolve(*names).Find("Dests") : nullptr;
    size_t visited = 0;
    return tree != nullptr ? NameTreeFind(doc, doc.Resolve(*tree), name.text, 0, visited) : nullptr;
}

std::optional<double> NumberOrNull(Document& doc, const std::vector<Value>& items, size_t i) {
    if (i >= items.size()) return std::nullopt;
    const Value& v = doc.Resolve(items[i]);
    if (!v.Is(Value::Kind::Integer) && !v.Is(Value::Kind::Real)) return std::nullopt;
    const double n = v.Number();
    return std::isfinite(n) ? std::optional<double>(n) : std::nullopt;
}

// Fills the link's page and view from a destination: [page /XYZ left top zoom], [page /Fit], the
// edges of the other kinds, or a name for one of these. False when it leads nowhere here.
bool ReadDestination(Document& doc, const Value& given, SourceLink& link) {
    const Value* dest = &doc.Resolve(given);
    if (dest->Is(Value::Kind::Name) || dest->Is(Value::Kind::String)) {
        const Value* named = NamedDestination(doc, *dest);
        if (named == nullptr) return false;
        dest = &doc.Resolve(*named);
        if (const Value* d = dest->Find("D")) dest = &doc.Resolve(*d);
    }
    if (!dest->Is(Value::Kind::Array) || dest->items.size() < 2 || !dest->items[0].Is(Value::Kind::Reference)) return false;
    const auto& pages = doc.Pages();
    const auto at = std::find(pages.begin(), pages.end(), dest->items[0].integer);
    if (at == pages.end()) return false;
    link.targetPage = static_cast<int32_t>(at - pages.begin() + 1);
    const Value& kind = doc.Resolve(dest->items[1]);
    const auto& items = dest->items;
    if (kind.IsName("XYZ")) {
        link.left = NumberOrNull(doc, items, 2);
        link.top = NumberOrNull(doc, items, 3);
        link.zoom = NumberOrNull(doc, items, 4);
    } else if (kind.IsName("FitH") || kind.IsName("FitBH")) {
        link.top = NumberOrNull(doc, items, 2);
    } else if (kind.IsName("FitV") || kind.IsName("FitBV")) {
        link.left = NumberOrNull(doc, items, 2);
    } else if (kind.IsName("FitR")) {
        link.left = NumberOrNull(doc, items, 2);
        link.top = NumberOrNull(doc, items, 5);
    } else {
        link.fit = true;
    }
    return true;
}

// A web link (a URI action) or a page link (/Dest, or a GoTo action); false for anything else.
bool ReadTarget(Document& doc, const Value& annot, SourceLink& link) {
    if (const Value* dest = annot.Find("Dest")) return ReadDestination(doc, *dest, link);
    const Value* actionRef = annot.Find("A");
    if (actionRef == nullptr) return false;
    const Value& action = doc.Resolve(*actionRef);
    const Value* kind = action.Find("S");
    if (kind == nullptr) return false;
    if (doc.Resolve(*kind).IsName("URI")) {
        const Value* uri = action.Find("URI");
        if (uri == nullptr || !doc.Resolve(*uri).Is(Value::Kind::String)) return false;
        link.uri = doc.Resolve(*uri).text;
        return !link.uri.empty();
    }
    const Value* dest = action.Find("D");
    return doc.Resolve(*kind).IsName("GoTo") && dest != nullptr && ReadDestination(doc, *dest, link);
}

bool ReadRect(Document& doc, const Value& annot, SourceLink& link) {
    const Value* rect = annot.Find("Rect");
    if (rect == nullptr) return false;
    const Value& r = doc.Resolve(*rect);
    if (!AllNumbers(doc, r) || r.items.size() != 4) return false;
    double v[4];
    for (size_t i = 0; i < 4; ++i) v[i] = doc.Resolve(r.items[i]).Number();
    if (!std::all_of(v, v + 4, [](double n) { return std::isfinite(n); })) return false;
    link.x0 = std::min(v[0], v[2]), link.x1 = std::max(v[0], v[2]);
    link.y0 = std::min(v[1], v[3]), link.y1 = std::max(v[1], v[3]);
    return true;
}

}  // namespace

std::vector<SourceLink> ReadPageLinks(Document& doc, int64_t page) {
    std::vector<SourceLink> links;
    const Value* annots = doc.Object(page).value.Find("Annots");
    if (annots == nullptr) return links;
    for (const Value& item : doc.Resolve(*annots).items) {
        if (links.size() >= kMaxLinks) break;
        try {
            const Value& annot = doc.Resolve(item);
            const Value* subtype = annot.Find("Subtype");
            if (subtype == nullptr || !doc.Resolve(*subtype).IsName("Link")) continue;
            SourceLink link;
            if (!ReadRect(doc, annot, link) || !ReadTarget(doc, annot, link)) continue;
            link.appearance = Appearance(doc, annot);
            links.push_back(std::move(link));
        } catch (const ReadError&) {
            // A damaged annotation is left out; the page and its other links still come.
        }
    }
    return links;
}

}  // namespace folivo::reader
