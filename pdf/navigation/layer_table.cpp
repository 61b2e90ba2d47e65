#include "pdf/navigation/layer_table.hpp"

#include <algorithm>

#include "pdf/core/upper_name.hpp"

namespace folivo::navigation {

namespace {

// "n 0 R " for each layer the filter accepts.
template <typename Filter>
std::string References(const std::vector<Layer>& layers, Filter accept) {
    std::string refs;
    for (const auto& layer : layers) {
        if (accept(layer)) refs += std::to_string(layer.object) + " 0 R ";
    }
    return refs;
}

}  // namespace

int32_t LayerTable::FindOrAdd(const std::string& name, bool visible, bool listed) {
    const std::string key = UpperAscii(name);
    for (size_t i = 0; i < layers_.size(); ++i) {
        if (UpperAscii(layers_[i].name) == key) return static_cast<int32_t>(i + 1);
    }
    layers_.push_back({name, visible, listed, 0});
    return static_cast<int32_t>(layers_.size());
}

std::string LayerDictionary(const std::string& name, const std::string& quotedName) {
    std::string dict = "<</Type /OCG /Name " + quotedName;
    const std::string key = UpperAscii(name);
    if (key == "SCREEN") dict += "/Usage <</Print <</PrintState /OFF>> /View <</ViewState /ON>>>>";
    if (key == "PRINTER") dict += "/Usage <</Print <</PrintState /ON>> /View <</ViewState /OFF>>>>";
    return dict + ">>";
}

std::string OptionalContentProperties(const std::vector<Layer>& layers) {
    const std::string all = References(layers, [](const Layer&) { return true; });
    return "/OCProperties <</OCGs [" + all + "] /D <</AS [ " + "<</Event /Print /OCGs [" + all +
           "] /Category [/Print]>> " + "<</Event /View /OCGs [" + all + "] /Category [/View]>> " + "]" + "/ON [" +
           References(layers, [](const Layer& l) { return l.visible; }) + "]" + "/OFF [" +
           References(layers, [](const Layer& l) { return !l.visible; }) + "]" + "/Order [" +
           References(layers, [](const Layer& l) { return l.listed; }) + "]>>  >>";
}

}  // namespace folivo::navigation
