// Folivo: link annotations carried over by ImportPage, placed as the page is.

#include <algorithm>

#include "pdf/folivo_impl.hpp"
#include "pdf/reader/page_links.hpp"

namespace folivo {

namespace {

// The rectangle's four corners on the output page, as the box holding them.
std::string PlacedRect(const reader::SourceLink& link, const navigation::PagePlacement& placement,
                       const FolivoImpl& impl) {
    double xs[4] = {link.x0, link.x1, link.x1, link.x0};
    double ys[4] = {link.y0, link.y0, link.y1, link.y1};
    for (int i = 0; i < 4; ++i) placement.Apply(xs[i], ys[i]);
    auto n = [&](double v) { return impl.FormatNum(static_cast<float>(v)); };
    return "[" + n(*std::min_element(xs, xs + 4)) + " " + n(*std::min_element(ys, ys + 4)) + " " +
           n(*std::max_element(xs, xs + 4)) + " " + n(*std::max_element(ys, ys + 4)) + "]";
}

}  // namespace

void Folivo::SetImportLinks(bool On) { impl_->doc_.importedLinks.carry = On; }

void FolivoImpl::CarryLinks(int32_t fileNumber, int32_t pageNumber, const navigation::PagePlacement& placement) {
    navigation::ImportedLinks& links = doc_.importedLinks;
    const int32_t outputPage = std::max(doc_.pages.Count(), 1);
    links.placed.try_emplace({fileNumber, pageNumber}, navigation::PlacedSourcePage{outputPage, placement});
    reader::Document& source = *doc_.sources.At(fileNumber).document;
    const auto found = reader::ReadPageLinks(source, source.Pages().at(static_cast<size_t>(pageNumber - 1)));
    // Page links wait for EndDoc in the page's annotation array, which a reusable object has not.
    const bool onPage = !doc_.content.objectOpen;
    for (const reader::SourceLink& link : found) {
        const std::string head = "<< /Type /Annot /Subtype /Link /Rect " + PlacedRect(link, placement, *this) + link.appearance;
        if (!link.uri.empty()) {
            const int32_t objNum = StartObject();
            WriteLine(head + " /A << /S /URI /URI " + QuoteString(link.uri) + " >> >>");
            CloseObject();
            ListAnnotation(objNum);
        } else if (onPage) {
            if (links.openPageArray == 0) {
                links.openPageArray = doc_.objects.LastNumber() + 1;
                doc_.objects.ReserveThrough(links.openPageArray);
            }
            links.openPageLinks.push_back({fileNumber, link.targetPage, PlacedRect(link, placement, *this),
                                           link.appearance, link.fit, link.left, link.top, link.zoom});
        }
    }
}

void FolivoImpl::WriteImportedLinks() {
    for (navigation::DeferredAnnotations& page : doc_.importedLinks.deferred) {
        std::vector<int32_t> annots = page.own;
        for (const navigation::PendingPageLink& link : page.links) {
            const auto target = doc_.importedLinks.placed.find({link.sourceFile, link.targetPage});
            if (target == doc_.importedLinks.placed.end()) continue;  // its page was never imported
            const int32_t objNum = StartObject();
            WriteLine("<< /Type /Annot /Subtype /Link /Rect " + link.rect + link.appearance + " /Dest [" +
                      PageReference(target->second.outputPage) + navigation::PlacedView(link, target->second.placement) +
                      "] >>");
            CloseObject();
            annots.push_back(objNum);
        }
        StartObject(page.arrayObject);
        std::string array = "[";
        for (int32_t obj : annots) array += std::to_string(obj) + " 0 R ";
        WriteLine(array + "]");
        CloseObject();
    }
    doc_.importedLinks.deferred.clear();
}

}  // namespace folivo
