#pragma once
// Optional-content layers: names found case-insensitively, their start state and whether the
// viewer lists them, and the catalog's "/OCProperties" built from their objects.

#include <cstdint>
#include <string>
#include <vector>

namespace folivo::navigation {

struct Layer {
    std::string name;
    bool visible = true;
    bool listed = true;
    int32_t object = 0;  // set when written
};

class LayerTable {
public:
    // The 1-based number of the layer, adding it when the name is new.
    int32_t FindOrAdd(const std::string& name, bool visible, bool listed);
    bool Empty() const { return layers_.empty(); }
    std::vector<Layer>& Layers() { return layers_; }
    const std::vector<Layer>& Layers() const { return layers_; }

private:
    std::vector<Layer> layers_;
};

// "<</Type /OCG /Name " + quoted name, with the print/view usage of "SCREEN" and "PRINTER", ">>".
std::string LayerDictionary(const std::string& name, const std::string& quotedName);

// "/OCProperties <<...>>" for the written layers.
std::string OptionalContentProperties(const std::vector<Layer>& layers);

}  // namespace folivo::navigation
