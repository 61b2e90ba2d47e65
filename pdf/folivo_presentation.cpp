// Folivo: page labels and page transitions.

#include "pdf/folivo_impl.hpp"
#include "pdf/text/text_string.hpp"
#include "pdf/navigation/page_style.hpp"

namespace folivo {

int32_t FolivoImpl::PageForNextSetting() const { return doc_.pages.Count() + (doc_.content.pageOpen ? 0 : 1); }

void Folivo::SetLabel(int32_t PageLabel, const std::string& LabelPrefix, int32_t FirstValue) {
    std::string dict = navigation::LabelStyle(PageLabel);
    if (dict.empty()) return;
    // The prefix is quoted when the catalog is written, so that it is enciphered under the catalog.
    impl_->doc_.nav.pageLabels[impl_->PageForNextSetting() - 1] = {dict, LabelPrefix, FirstValue};
}

void Folivo::SetPageTransition(int32_t Transition, float ShowTime, float TransTime) {
    const std::string style = navigation::TransitionStyle(Transition);
    impl_->doc_.nav.transition =
        style.empty() ? std::string() : "<< /Type /Trans /D " + impl_->FormatNum(TransTime) + " " + style;
    impl_->doc_.nav.showTime = ShowTime;
}

std::string FolivoImpl::PageLabelsEntry() {
    if (doc_.nav.pageLabels.empty()) return "";
    std::string entries;
    for (const auto& [index, label] : doc_.nav.pageLabels) {
        std::string dict = label.style;
        if (!label.prefix.empty()) dict += " /P " + QuoteString(text::PdfTextString(label.prefix));
        if (label.firstValue != 0) dict += " /St " + std::to_string(label.firstValue);
        entries += std::to_string(index) + " <<" + dict + " >> ";  // dict starts with a blank
    }
    return "/PageLabels << /Nums [ " + entries + " ] >>";
}

std::string FolivoImpl::TakeTransitionEntry() {
    if (doc_.nav.transition.empty()) return "";
    std::string entry = "/Dur " + FormatNum(doc_.nav.showTime) + " /Trans " + doc_.nav.transition + "\r";
    doc_.nav.transition.clear();
    return entry;
}

}  // namespace folivo
