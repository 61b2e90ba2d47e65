// Folivo: links over the last drawn area, named destinations and the page's annotation list.

#include <algorithm>

#include "pdf/folivo_impl.hpp"
#include "pdf/text/text_string.hpp"
#include "pdf/fonts/font_table.hpp"
#include "pdf/navigation/link_target.hpp"

namespace folivo {

namespace {

const char* Highlight(int32_t onMouseDown) {
    switch (onMouseDown) {
        case 0: return " /H /N";
        case 1: return " /H /I";
        case 2: return " /H /O";
        case 3: return " /H /P";
        default: return "";
    }
}

std::string JavaScriptAction(int32_t scriptObj) {
    return " /A << /S /JavaScript /JS " + std::to_string(scriptObj) + " 0 R >> ";
}

}  // namespace

void Folivo::DefineRef(const std::string& RefName, int32_t TypeOfBookmark, float X, float Y, float Width,
                       float Height, float Zoom) {
    impl_->doc_.nav.destinations.AddRef(RefName, std::max(impl_->doc_.pages.Count(), 1),
                             impl_->DestinationOf(TypeOfBookmark, X, Y, Width, Height, Zoom));
}

void Folivo::LinkTo(const std::string& Destination, float BorderWidth, int32_t OnMouseDown, int32_t TypeOfLink,
                    float X, float Y, float Width, float Height, float Zoom) {
    // The last area is measured from the margins' corner, like the drawing.
    const Area& a = impl_->doc_.lastArea;
    const float left = impl_->doc_.page.left, top = impl_->doc_.page.top;
    std::string dict = "<< /Type /Annot\r/Subtype /Link /Rect [" + impl_->FormatNum(a.x1 + left) + " " +
                       impl_->FormatNum(a.y1 - top) + " " + impl_->FormatNum(a.x2 + left) + " " +
                       impl_->FormatNum(a.y2 - top) + "]\r";
    dict +=
        BorderWidth != 0 ? "/Border [ 0 0 " + impl_->FormatNum(BorderWidth) + "]" : std::string("/Border [ 0 0 0] ");
    dict += Highlight(OnMouseDown);
    const auto target = navigation::ParseLinkTarget(Destination);
    if (target.kind == navigation::LinkKind::kScript || target.kind == navigation::LinkKind::kLayer) {
        if (impl_->RefusedUnderPdfA("LinkTo", "JavaScript")) return;
    }
    if (impl_->doc_.archival.On()) dict += " /F 4";  // printed with the page
    if (target.kind == navigation::LinkKind::kUri || target.kind == navigation::LinkKind::kFile) {
        impl_->WriteAnnotation(dict, "", "", "", Destination);  // strings are quoted inside the annotation object
    } else {
        impl_->WriteAnnotation(
            dict + impl_->InternalTargetText(target, impl_->DestinationOf(TypeOfLink, X, Y, Width, Height, Zoom)), "",
            "", "", "");
    }
}

std::string FolivoImpl::InternalTargetText(const navigation::LinkTarget& target, const std::string& view) {
    const int32_t current = std::max(doc_.pages.Count(), 1);
    switch (target.kind) {
        case navigation::LinkKind::kUri:
        case navigation::LinkKind::kFile: return "";  // actions with strings, made by WriteAnnotation
        case navigation::LinkKind::kScript: return JavaScriptAction(WriteScript(target.argument));
        case navigation::LinkKind::kLayer:
            return JavaScriptAction(WriteScript(navigation::LayerScript(target.argument)));
        case navigation::LinkKind::kRef: return " /Dest " + navigation::NameToken("_REF_" + target.argument);
        case navigation::LinkKind::kBookmark: {
            const std::string& ref = target.argument;
            const int32_t number = ref.size() > 1 && ref[0] == '@' ? std::atoi(ref.c_str() + 1) : 0;
            const auto* bookmark = doc_.nav.outline.Find(number);
            if (bookmark == nullptr) throw Error(kErrInvalidCall, "LinkTo: no bookmark " + ref);
            return " /Dest " + doc_.nav.destinations.AddLink(bookmark->page, bookmark->destination);
        }
        case navigation::LinkKind::kPage: {
            const auto page = navigation::ResolvePage(target.argument, current);
            if (!page) throw Error(kErrInvalidCall, "LinkTo: unknown page " + target.argument);
            return " /Dest " + doc_.nav.destinations.AddLink(*page, view);
        }
    }
    return "";
}

int32_t FolivoImpl::WriteScript(const std::string& Script) {
    const int32_t objNum = StartObject();
    WriteLine("<<");
    PutStream(Script, objNum);
    CloseObject();
    return objNum;
}

std::string FolivoImpl::ActionText(const std::string& Destination) {
    const auto target = navigation::ParseLinkTarget(Destination);
    if (target.kind == navigation::LinkKind::kFile) {
        return " /A << /Type /Action /S /GoToR /F " + QuoteString(target.argument) + " /D [-1 /XYZ 0 0 0] >> ";
    }
    return " /A << /S /URI /URI " + QuoteString(Destination) + " >> ";
}

int32_t FolivoImpl::WriteAnnotation(std::string Dict, const std::string& Contents, const std::string& Title,
                                    const std::string& DA, const std::string& Action) {
    const int32_t objNum = StartObject();
    if (!Title.empty()) Dict += " /T " + QuoteString(text::PdfTextString(Title));
    if (!Contents.empty()) Dict += " /Contents " + QuoteString(text::PdfTextString(Contents));
    if (!DA.empty()) Dict += " /DA " + QuoteString(DA);
    if (!Action.empty()) Dict += ActionText(Action);
    WriteLine(Dict + " >>");
    CloseObject();
    ListAnnotation(objNum);
    return objNum;
}

void FolivoImpl::ListAnnotation(int32_t objNum) {
    if (doc_.content.objectOpen && !doc_.reusable.table.empty()) {
        doc_.nav.objectAnnots[fonts::NameToken(doc_.reusable.table.back().alias)].push_back(objNum);
    } else {
        doc_.nav.pageAnnots.push_back(objNum);
    }
}

void FolivoImpl::ListObjectAnnotations(const std::string& Name) {
    const auto found = doc_.nav.objectAnnots.find(fonts::NameToken(Name));
    if (found == doc_.nav.objectAnnots.end()) return;
    const std::vector<int32_t> annots = found->second;  // a copy: the object may be playing into itself
    for (int32_t objNum : annots) ListAnnotation(objNum);
}

std::string FolivoImpl::TakePageNavigationEntries() {
    std::string entries;
    navigation::ImportedLinks& imported = doc_.importedLinks;
    if (imported.openPageArray != 0) {
        // Imported page links are resolved at EndDoc, in an array written then.
        entries = "/Annots " + std::to_string(imported.openPageArray) + " 0 R\r";
        imported.deferred.push_back({imported.openPageArray, doc_.nav.pageAnnots, std::move(imported.openPageLinks)});
        imported.openPageArray = 0;
        imported.openPageLinks.clear();
    } else if (!doc_.nav.pageAnnots.empty()) {
        entries = "/Annots [";
        for (int32_t obj : doc_.nav.pageAnnots) entries += std::to_string(obj) + " 0 R ";
        entries += "]\r";
    }
    doc_.nav.pageAnnots.clear();
    entries += doc_.nav.pageActions;
    doc_.nav.pageActions.clear();
    return entries + TakeTransitionEntry();
}

void FolivoImpl::WriteDestinations() {
    if (doc_.nav.destinations.Empty()) return;
    doc_.nav.destinationsObj = StartObject();
    std::string dict = "<<";
    for (const auto& entry : doc_.nav.destinations.Entries()) {
        dict += " " + entry.name + " [" + PageReference(entry.page) + entry.view + "]";
    }
    WriteLine(dict + " >>");
    CloseObject();
}

}  // namespace folivo
