// Folivo: optional-content layers around page content.

#include "pdf/folivo.hpp"

namespace folivo {

void Folivo::BeginLayer(const std::string& Layer, int32_t StartState, int32_t ShowInList) {
    const int32_t number = nav_.layers.FindOrAdd(Layer, StartState != 0, ShowInList != 0);
    AddContent("/OC /_LAY_" + std::to_string(number) + " BDC");
    ++nav_.openLayers;
}

void Folivo::EndLayer() {
    if (nav_.openLayers == 0) return;  // an EMC without its BDC would unbalance the content
    --nav_.openLayers;
    AddContent("EMC");
}

void Folivo::WriteLayerObjects() {
    if (nav_.layers.Empty()) return;
    int32_t number = 0;
    for (auto& layer : nav_.layers.Layers()) {
        layer.object = StartObject();
        WriteLine(navigation::LayerDictionary(layer.name, QuoteString(layer.name)));
        CloseObject();
        resources_.properties += "/_LAY_" + std::to_string(++number) + " " + std::to_string(layer.object) + " 0 R ";
    }
    RequireVersion(2);
}

}  // namespace folivo
