// Folivo: linear barcodes drawn as bars into the page content, with their text under them.

#include "pdf/barcode/barcode.hpp"
#include "pdf/folivo_impl.hpp"

namespace folivo {

float Folivo::DrawBarCode(int32_t BarCodeType, const std::string& Code, float& X, float& Y, bool ShowCode,
                          float ZoomFactor, float Height, bool AddCheck) {
    const float s = impl_->doc_.page.scale;
    const barcode::Sizing sizing{barcode::ClampZoom(ZoomFactor), Height * s, ShowCode, AddCheck};
    const barcode::Symbol symbol = barcode::BuildBarcode(BarCodeType, Code, sizing);
    if (symbol.bars.empty()) return 0;
    impl_->DrawBars(symbol, X * s, Y * s);
    if (ShowCode) impl_->DrawBarCaptions(symbol, X, Y);
    return symbol.width / s;
}

void FolivoImpl::DrawBars(const barcode::Symbol& symbol, float left, float top) {
    // Black bars inside a saved graphics state, whatever colours and line width are current.
    AddContent("q 0 g 0 G");
    for (const barcode::Bar& bar : symbol.bars) {
        const float x = left + bar.x;
        const float y = top + bar.y;
        if (symbol.stroked) {
            const std::string centre = FormatNum(x + bar.width / 2);
            AddContent(FormatNum(bar.width) + " w " + centre + " " + FormatNum(y) + " m " + centre + " " +
                       FormatNum(y + bar.height) + " l S");
        } else {
            AddContent(FormatNum(x) + " " + FormatNum(y) + " " + FormatNum(bar.width) + " " +
                       FormatNum(bar.height) + " re f*");
        }
    }
    AddContent("Q");
}

void FolivoImpl::DrawBarCaptions(const barcode::Symbol& symbol, float X, float Y) {
    const float s = doc_.page.scale;
    const text::TextState savedText = doc_.text;
    const ColorState savedColors = doc_.colors;
    const float savedLineWidth = doc_.lineWidth;
    const float savedX = doc_.page.curX;
    const float savedY = doc_.page.curY;
    api_.SetFont("CourierNew", symbol.fontSize);
    api_.SetColorText("#000000");
    const float baseline = Y + (symbol.barHeight + 1.6f * symbol.band) / s;
    for (const barcode::Caption& caption : symbol.captions) {
        api_.DrawText(X + caption.x / s, baseline, caption.text, caption.align);
    }
    doc_.text = savedText;
    doc_.colors = savedColors;
    doc_.lineWidth = savedLineWidth;
    doc_.page.curX = savedX;
    doc_.page.curY = savedY;
}

}  // namespace folivo
