// Folivo: optional-content layers around page content.

#include "pdf/folivo_impl.hpp"
#include "pdf/text/text_string.hpp"

namespace folivo {

void Folivo::BeginLayer(const std::string& Layer, int32_t StartState, int32_t ShowInList) {
    // The layers' configuration names the events that switch them (/AS), which PDF/A forbids.
    if (impl_->RefusedUnderPdfA("BeginLayer", "layers switched by print and view events")) return;
    const int32_t number = impl_->doc_.nav.layers.FindOrAdd(Layer, StartState != 0, ShowInList != 0);
    impl_->AddContent("/OC /_LAY_" + std::to_string(number) + " BDC");
    ++impl_->doc_.nav.openLayers;
}

void Folivo::EndLayer() {
    if (impl_->doc_.nav.openLayers == 0) return;  // an EMC without its BDC would unbalance the content
    --impl_->doc_.nav.openLayers;
    impl_->AddContent("EMC");
}

void FolivoImpl::WriteLayerObjects() {
    if (doc_.nav.layers.Empty()) return;
    int32_t number = 0;
    for (auto& layer : doc_.nav.layers.Layers()) {
        layer.object = StartObject();
        WriteLine(navigation::LayerDictionary(layer.name, QuoteString(text::PdfTextString(layer.name))));
        CloseObject();
        doc_.resources.properties += "/_LAY_" + std::to_string(++number) + " " + std::to_string(layer.object) + " 0 R ";
    }
    RequireVersion(2);
}

}  // namespace folivo
