// Folivo: bookmarks and the other interactive parts of a document.

#include <algorithm>

#include "pdf/folivo_impl.hpp"
#include "pdf/text/text_string.hpp"
#include "pdf/navigation/destination.hpp"

namespace folivo {

std::string FolivoImpl::DestinationOf(int32_t type, float X, float Y, float Width, float Height, float Zoom) const {
    const float s = doc_.page.scale;
    return navigation::DestinationText(
        type, {PageSpaceX(doc_.page, X), PageSpaceY(doc_.page, Y), Width * s, Height * s, Zoom});
}

std::string FolivoImpl::PageReference(int32_t page) const {
    const int32_t count = doc_.pages.Count();
    const int32_t clamped = (page < 1 || page > count) ? count : page;
    return std::to_string(doc_.pages.Object(clamped)) + " 0 R ";
}

std::string Folivo::AddBookmark(const std::string& Caption, int32_t Level, int32_t TypeOfBookmark, float X,
                                float Y, float Width, float Height, float Zoom, const std::string& Color,
                                int32_t FontStyle) {
    navigation::Bookmark item;
    item.caption = Caption;
    item.page = std::max(impl_->doc_.pages.Count(), 1);
    item.destination = impl_->DestinationOf(TypeOfBookmark, X, Y, Width, Height, Zoom);
    if (!Color.empty()) {
        std::string parsed = Color;
        std::string second;
        impl_->ParseColor(parsed, second);
        if (!parsed.empty() && parsed[0] == '#') {
            item.color = impl_->ColorToRGB(parsed);
            impl_->RequireVersion(1);
        }
    }
    item.style = ((FontStyle & 2) ? 1 : 0) | ((FontStyle & 1) ? 2 : 0);
    if (item.style != 0) impl_->RequireVersion(1);
    const int32_t number = impl_->doc_.nav.outline.Add(std::move(item), Level);
    return number == 0 ? std::string() : "@" + std::to_string(number);
}

void FolivoImpl::WriteOutlines() {
    if (doc_.nav.outline.Empty()) return;
    doc_.nav.outlineRoot = doc_.objects.LastNumber() + 1;
    doc_.nav.outline.Link(doc_.nav.outlineRoot);
    StartObject(doc_.nav.outlineRoot);
    WriteLine("<< /Count 1 /First " + std::to_string(doc_.nav.outline.RootFirst()) + " 0 R /Last " +
              std::to_string(doc_.nav.outline.RootLast()) + " 0 R >>");
    CloseObject();
    const auto link = [this](const char* key, int32_t obj) {
        if (obj != 0) WriteLine(std::string(key) + std::to_string(obj) + " 0 R");
    };
    bool first = true;
    for (const auto& item : doc_.nav.outline.Items()) {
        int32_t objNum = item.object;
        StartObject(objNum);
        WriteLine("<< /Title " + QuoteString(text::PdfTextString(item.caption)));
        link("/Parent ", item.parent);
        link("/First ", item.first);
        link("/Last ", item.last);
        link("/Prev ", item.prev);
        link("/Next ", item.next);
        if (first) WriteLine("/Count " + std::to_string(doc_.nav.outline.TopLevelCount()));
        first = false;
        if (!item.destination.empty()) WriteLine("/Dest [" + PageReference(item.page) + item.destination + "]");
        if (!item.color.empty()) WriteLine("/C [" + item.color + "]");
        if (item.style != 0) WriteLine("/F " + std::to_string(item.style));
        WriteLine(">>");
        CloseObject();
    }
}

void FolivoImpl::WritePageNavigationObjects() {
    WritePageScripts();
    WritePageFields();
}

void FolivoImpl::WriteNavigationObjects() {
    WriteDocumentScripts();
    WriteOutlines();
    WriteDestinations();
    WriteImportedLinks();
    WriteFormObjects();
}

void FolivoImpl::WriteNavigationCatalogLines() {
    if (doc_.nav.outlineRoot != 0) WriteLine("/Outlines " + std::to_string(doc_.nav.outlineRoot) + " 0 R");
    if (doc_.nav.destinationsObj != 0) WriteLine("/Dests " + std::to_string(doc_.nav.destinationsObj) + " 0 R");
    if (!doc_.nav.pageLabels.empty()) WriteLine(PageLabelsEntry());
    if (!doc_.nav.layers.Empty()) WriteLine(navigation::OptionalContentProperties(doc_.nav.layers.Layers()));
    const std::string form = AcroFormEntry();
    if (!form.empty()) WriteLine(form);
    WriteScriptCatalogLines();
}

}  // namespace folivo
