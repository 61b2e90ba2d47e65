#include "pdf/graphics/gradient.hpp"

#include "pdf/core/number_format.hpp"

namespace folivo::graphics {

namespace {

std::string Coords(const Gradient& g, float scale) {
    const auto pt = [scale](float v) { return FormatNum(v * scale); };
    if (g.radial) {
        return "/ShadingType 3 /Coords [" + pt(g.xStart) + " " + pt(g.yStart) + " " + pt(g.rStart) + " " +
               pt(g.xEnd) + " " + pt(g.yEnd) + " " + pt(g.rEnd) + "]";
    }
    return "/ShadingType 2 /Coords [" + pt(g.xStart) + " " + pt(g.yStart) + " " + pt(g.xEnd) + " " + pt(g.yEnd) + "]";
}

const char* Bool(bool value) { return value ? "true" : "false"; }

}  // namespace

std::string GradientPattern(const Gradient& g, float scale, float pageHeight) {
    return "<</Type /Pattern /PatternType 2 /Matrix [ 1 0 0 -1 0 " + FormatNum(pageHeight) + "] /Shading <<\r\n" +
           "/ColorSpace /DeviceRGB\r" + Coords(g, scale) + "\r" + "/Extend [" + Bool(g.extendBefore) + " " +
           Bool(g.extendAfter) + "] \r" + "/Function \r" +
           "<< /FunctionType 3 /Domain [0.000 1.000] /Bounds [] /Encode [0 1 ] \r" + "/Functions [\r" +
           "<< /FunctionType 2 /Domain [0.000 1.000] /C0 [" + g.startRGB + "] /C1 [" + g.endRGB + "] /N 1 >>]\r" +
           ">>\r>>\r>>";
}

}  // namespace folivo::graphics
