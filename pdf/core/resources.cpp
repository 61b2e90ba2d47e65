#include "pdf/core/resources.hpp"

namespace folivo {

std::string ResourceDictionary(const ResourceLists& lists, bool pageResources) {
    std::string d = "<<\r";
    if (!lists.fonts.empty()) d += "/Font <<" + lists.fonts + ">>\r";
    d += "/ProcSet [/PDF /Text";
    if (lists.hasImages) d += " /ImageB /ImageC /ImageI";
    d += " ]\r";
    if (!lists.properties.empty()) d += "/Properties <<" + lists.properties + ">>\r";
    if (!lists.xobjects.empty()) d += "/XObject <<" + lists.xobjects + ">>\r";
    if (pageResources && !lists.patterns.empty()) {
        d += "/ColorSpace << /xxCSxx [ /Pattern /DeviceRGB ] >> \r";
        d += "/Pattern <<" + lists.patterns + ">>\r";
    }
    if (!lists.extGStates.empty()) d += "/ExtGState << " + lists.extGStates + " >> \r";
    return d + ">>";
}

}  // namespace folivo
