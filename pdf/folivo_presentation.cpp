// Folivo: page labels and page transitions.

#include "pdf/folivo.hpp"
#include "pdf/navigation/page_style.hpp"

namespace folivo {

int32_t Folivo::PageForNextSetting() const { return pages_.Count() + (content_.pageOpen ? 0 : 1); }

void Folivo::SetLabel(int32_t PageLabel, const std::string& LabelPrefix, int32_t FirstValue) {
    std::string dict = navigation::LabelStyle(PageLabel);
    if (dict.empty()) return;
    // The prefix is quoted when the catalog is written, so that it is enciphered under the catalog.
    nav_.pageLabels[PageForNextSetting() - 1] = {dict, LabelPrefix, FirstValue};
}

void Folivo::SetPageTransition(int32_t Transition, float ShowTime, float TransTime) {
    const std::string style = navigation::TransitionStyle(Transition);
    nav_.transition = style.empty() ? std::string() : "<< /Type /Trans /D " + FormatNum(TransTime) + " " + style;
    nav_.showTime = ShowTime;
}

std::string Folivo::PageLabelsEntry() {
    if (nav_.pageLabels.empty()) return "";
    std::string entries;
    for (const auto& [index, label] : nav_.pageLabels) {
        std::string dict = label.style;
        if (!label.prefix.empty()) dict += " /P " + QuoteString(label.prefix);
        if (label.firstValue != 0) dict += " /St " + std::to_string(label.firstValue);
        entries += std::to_string(index) + " <<" + dict + " >> ";  // dict starts with a blank
    }
    return "/PageLabels << /Nums [ " + entries + " ] >>";
}

std::string Folivo::TakeTransitionEntry() {
    if (nav_.transition.empty()) return "";
    std::string entry = "/Dur " + FormatNum(nav_.showTime) + " /Trans " + nav_.transition + "\r";
    nav_.transition.clear();
    return entry;
}

}  // namespace folivo
